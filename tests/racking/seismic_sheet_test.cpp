#include "racking/seismic_sheet.h"
#include "tests/racking/tavrelo_fixture.h"
#include "tests/support/office_environment.h"

#include <gmock/gmock.h>

#include <QFile>

namespace zuvo::test {
namespace {

using racking::Family;

class SeismicSheet : public TavreloRun {
protected:
    void SetUp() override
    {
        TavreloRun::SetUp();
        setPrices({{QStringLiteral("LP01"), 10, 1, {}}});
        writeFamily(Family::Pallet, {orderLine(QStringLiteral("LP01"), 0, QStringLiteral("3"))});
    }

    void writeSeismicData(const QStringList& lines)
    {
        QFile file(folder.file(QStringLiteral("dscheda.txt")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        for (const QString& line : lines)
            file.write(line.toLatin1() + "\r\n");
    }

    QString scheda(const char* cell)
    {
        return saved(QStringLiteral("Scheda")).cell(QString::fromLatin1(cell)).toText();
    }

    void expectEmpty(std::initializer_list<const char*> cells)
    {
        for (const char* cell : cells)
            EXPECT_EQ(scheda(cell), QString()) << cell;
    }
};

// Line 2 states 3 levels: two pairs go to E22:E23 and F22:F23. E48 is 162.5 / 65 = 2.5
// rounded half to even. The header cells follow the quote sheet; the seismic sheet is the
// one shown at the hand-over, and the file goes after it.
TEST_F(SeismicSheet, FullFileFillsTheSeismicSheet)
{
    writeSeismicData({"3", "3", "C", "III", "1200", "900", "2400", "700", "1000", "162.5",
                      "NOTE DEL SITO", "RIGA IN PIU"});
    run();

    EXPECT_EQ(shownSheet, QStringLiteral("Scheda"));
    EXPECT_NEAR(saved(QStringLiteral("Scheda")).leftMargin(), 1.7, 0.01);  // the template's page
    EXPECT_EQ(text(10, 1), QStringLiteral("LP01"));
    EXPECT_EQ(scheda("E7"), QStringLiteral("BIANCHI LOGISTICA S.P.A."));
    EXPECT_EQ(scheda("E9"), QStringLiteral("37100 VERONA"));
    EXPECT_EQ(scheda("E13"), text(2, 2));
    EXPECT_EQ(saved(QStringLiteral("Scheda")).formula(14, 5), QStringLiteral("=$Foglio1.B3"));
    const QList<QPair<const char*, const char*>> expected = {
        {"E18", "3"}, {"E19", "3"}, {"E20", "C"}, {"E21", "III"}, {"E22", "1200"},
        {"E23", "900"}, {"F22", "2400"}, {"F23", "700"}, {"E24", "1000"}, {"E25", "162.5"},
        {"E44", "NOTE DEL SITO"}, {"E48", "2"}, {"E49", "3.25"},
    };
    for (const auto& [cell, value] : expected)
        EXPECT_EQ(scheda(cell), QString::fromLatin1(value)) << cell;
    expectEmpty({"G22", "E45"});
    EXPECT_FALSE(dataFileExists(QStringLiteral("dscheda.txt")));
}

// A line wholly a number goes in as that number, in a pair too; any other line keeps its
// text, even one that reads as a formula.
TEST_F(SeismicSheet, WholeNumbersGoInAsNumbersAndOtherLinesAsText)
{
    writeSeismicData({"=1+1", "2", "-0.5", "1,5", "+1500", "=E18*2", "12 kN", "130", "7."});
    run();

    const sheet::Sheet seismic = saved(QStringLiteral("Scheda"));
    const QList<QPair<const char*, double>> numbers = {
        {"E19", 2}, {"E20", -0.5}, {"E22", 1500}, {"E25", 130}};
    for (const auto& [cell, value] : numbers) {
        EXPECT_TRUE(seismic.cell(QString::fromLatin1(cell)).isNumber()) << cell;
        EXPECT_DOUBLE_EQ(seismic.cell(QString::fromLatin1(cell)).number, value) << cell;
    }
    const QList<QPair<const char*, const char*>> texts = {
        {"E18", "=1+1"}, {"E21", "1,5"}, {"E23", "=E18*2"}, {"E24", "12 kN"}, {"E44", "7."}};
    for (const auto& [cell, value] : texts) {
        EXPECT_TRUE(seismic.cell(QString::fromLatin1(cell)).isText()) << cell;
        EXPECT_EQ(scheda(cell), QString::fromLatin1(value)) << cell;
    }
}

// The pairs take the columns from E to the sheet's last (XFD, column 16384): a level count
// asking for one pair more stops the run before the quote number, naming the pairs.
TEST_F(SeismicSheet, PairsReachTheLastColumnAndNoFurther)
{
    const double number = templateNumber();
    writeSeismicData({"2", "16382", "B", "II"});
    EXPECT_THAT(runExpectingFailure().toStdString(), ::testing::HasSubstr("16381 coppie"));
    EXPECT_DOUBLE_EQ(templateNumber(), number);
    EXPECT_TRUE(dataFileExists(QStringLiteral("dscheda.txt")));

    QStringList lines = {"2", "16381", "B", "II"};
    for (int pair = 1; pair <= 16380; ++pair)
        lines << QString::number(pair) << QStringLiteral("P%1").arg(pair);
    writeSeismicData(lines << QStringLiteral("1000") << QStringLiteral("130"));
    run();

    EXPECT_EQ(scheda("XFD22"), QStringLiteral("16380"));
    EXPECT_EQ(scheda("XFD23"), QStringLiteral("P16380"));
    EXPECT_EQ(scheda("E24"), QStringLiteral("1000"));
}

// Cells whose line the file lacks stay empty; E48 and E49 come from an E25 of 0.
TEST_F(SeismicSheet, ShortFileLeavesTheMissingCellsEmpty)
{
    writeSeismicData({"2", "4", "B"});
    run();

    EXPECT_EQ(scheda("E20"), QStringLiteral("B"));
    expectEmpty({"E21", "E22", "E24", "E25", "E44"});
    EXPECT_EQ(scheda("E48"), QStringLiteral("0"));
    EXPECT_EQ(scheda("E49"), QStringLiteral("0"));
}

// A level count beyond the file's lines takes pairs only while lines remain.
TEST_F(SeismicSheet, StatedPairsStopAtTheEndOfTheFile)
{
    writeSeismicData({"2", "900", "B", "II", "1500", "1000", "3000"});
    run();

    EXPECT_EQ(scheda("E22"), QStringLiteral("1500"));
    EXPECT_EQ(scheda("E23"), QStringLiteral("1000"));
    EXPECT_EQ(scheda("F22"), QStringLiteral("3000"));
    expectEmpty({"F23", "G22", "E24", "E25"});
}

// The seismic sheet follows the workbook's first sheet, even when the quote sheet is not it.
TEST_F(SeismicSheet, GoesRightAfterTheFirstSheet)
{
    sheet::Workbook quotation = office().create();
    quotation.activeSheet().rename(QStringLiteral("Istruzioni"));
    sheet::Workbook sample = office().openCopyOf(folder.file(QStringLiteral("SchedaScaff.xlsx")));
    const sheet::Sheet quoteSheet = quotation.importSheet(
        sample, QStringLiteral("Foglio1"), QStringLiteral("Istruzioni"), QStringLiteral("Foglio1"));
    sample.close();
    writeSeismicData({"2", "1", "B", "II", "1100", "650", "NOTE"});
    racking::addSeismicSheet(office(), quotation, quoteSheet, racking::readSeismicData()->content);

    EXPECT_EQ(quotation.sheetNames(), QStringList({QStringLiteral("Istruzioni"),
                                                   QStringLiteral("Scheda"),
                                                   QStringLiteral("Foglio1")}));
    quotation.close();
}

// Seismic data that arrive while the quotation is being handed over are not this run's:
// they stay for the next one.
TEST_F(SeismicSheet, DataArrivingDuringTheRunAreKept)
{
    duringHandOver = [&] { writeSeismicData({"2", "1"}); };
    run();

    EXPECT_TRUE(dataFileExists(QStringLiteral("dscheda.txt")));
    EXPECT_FALSE(dataFileExists(QStringLiteral("fppord.txt")));
}

// Seismic data whose template is unreadable, lacks its sheet or is missing, or whose E25
// gives E48 out of range, stop the run before the quote number, and nothing is consumed.
TEST_F(SeismicSheet, BadSeismicInputsStopBeforeTheQuoteNumber)
{
    const double number = templateNumber();
    writeSeismicData({"2", "1", "B", "II", "1100", "3000000", "NOTE"});
    EXPECT_THAT(runExpectingFailure().toStdString(), ::testing::HasSubstr("3000000"));

    writeSeismicData({"2", "1", "B", "II", "1100", "650", "NOTE"});
    writeDataFile(QStringLiteral("SchedaSism.xlsx"));
    EXPECT_THAT(runExpectingFailure().toStdString(), ::testing::HasSubstr("SchedaSism.xlsx"));

    removeDataFile(QStringLiteral("SchedaSism.xlsx"));
    ASSERT_TRUE(QFile::copy(folder.file(QStringLiteral("Condizioni.xlsx")),
                            folder.file(QStringLiteral("SchedaSism.xlsx"))));
    EXPECT_THAT(runExpectingFailure().toStdString(), ::testing::HasSubstr("\"Foglio1\""));

    removeDataFile(QStringLiteral("SchedaSism.xlsx"));
    EXPECT_THAT(runExpectingFailure().toStdString(), ::testing::HasSubstr("SchedaSism.xlsx"));

    EXPECT_DOUBLE_EQ(templateNumber(), number);
    EXPECT_TRUE(dataFileExists(QStringLiteral("dscheda.txt")));
    EXPECT_TRUE(dataFileExists(QStringLiteral("fppord.txt")));
}

} // namespace
} // namespace zuvo::test
