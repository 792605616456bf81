// Pellanor end to end: the sample order through the scratch sheet into a numbered letter,
// and the refusals that leave every input and the letter number as they were.
#include "common/failure.h"
#include "mezzanine_letter/pellanor_builder.h"
#include "tests/support/office_environment.h"
#include "tests/support/quote_run.h"

#include <QFile>

namespace zuvo::test {
namespace {

const QStringList kInputs = {"codord.txt", "dtec.txt", "SchedaScaff.xlsx", "MemSopp.xlsx"};
// What a run consumes of the sample folder ("cod.txt" is not in it).
const QStringList kConsumed = {"codord.txt", "dtec.txt"};

class PellanorRun : public QuoteRunTest {
protected:
    static quote::QuoteRequest request()
    {
        quote::QuoteRequest request;
        request.customer = {QStringLiteral("VERDI & FIGLI S.R.L."), QStringLiteral("VIA PO 3"),
                            QStringLiteral("10100"), QStringLiteral("TORINO"), QStringLiteral("TO")};
        request.sconto = QStringLiteral("10");
        request.trasporto = QStringLiteral("150");
        request.montaggio = QStringLiteral("25");
        return request;
    }

    void run(bool cancelSaveAs = false)
    {
        const auto answer = handOver(cancelSaveAs);
        letter::PellanorBuilder builder(testOffice(), *answer);
        generate(builder, request());
    }

    QString refusal() { return failureOf([&] { run(); }); }

    // B9, B62, B110 and B161 of the letter template as stored, and its first address row.
    QStringList templateCells()
    {
        sheet::Workbook workbook = office().open(folder.file(QStringLiteral("MemSopp.xlsx")));
        const sheet::Sheet page = workbook.activeSheet();
        QStringList cells;
        for (int row : {9, 62, 110, 161})
            cells << page.cell(row, 2).toText();
        cells << page.cell(2, 5).toText();
        workbook.close();
        return cells;
    }

    void setTemplateB9(const QString& text)
    {
        sheet::Workbook workbook = office().open(folder.file(QStringLiteral("MemSopp.xlsx")));
        workbook.activeSheet().write(QStringLiteral("B9"), sheet::CellInput::of(text));
        workbook.save();
        workbook.close();
    }

    void expectNothingConsumed(const QString& untouchedNumber)
    {
        for (const QString& name : kConsumed)
            EXPECT_TRUE(dataFileExists(name)) << name.toStdString();
        EXPECT_EQ(templateCells().first(), untouchedNumber);
        EXPECT_EQ(templateNumber(), 41);
    }
};

TEST_F(PellanorRun, SampleOrderMakesANumberedLetterTwiceInARow)
{
    const QString emptyAddress = templateCells().last();
    for (const QString& name : kConsumed)
        QFile::copy(folder.file(name), folder.file(name + QStringLiteral(".copia")));
    for (int expected : {42, 43}) {
        for (const QString& name : kConsumed)
            QFile::copy(folder.file(name + QStringLiteral(".copia")), folder.file(name));
        run();

        sheet::Sheet letter = saved();
        for (int row : {2, 55, 103, 154}) {
            EXPECT_EQ(letter.cell(row, 5).text, QStringLiteral("VERDI & FIGLI S.R.L."));
            EXPECT_EQ(letter.cell(row + 2, 5).text, QStringLiteral("10100 TORINO"));
            EXPECT_EQ(letter.cell(row + 7, 2).toNumber(), expected) << "row " << row + 7;
        }
        EXPECT_EQ(templateCells(), QStringList({QString::number(expected), QString::number(expected),
                                                QString::number(expected), QString::number(expected),
                                                emptyAddress}));
        for (const QString& name : kConsumed)
            EXPECT_FALSE(dataFileExists(name)) << name.toStdString();
        closeSaved();
    }
    // The quote template only lent its sheet: its number is Mordisk's and Tavrelo's.
    EXPECT_EQ(templateNumber(), 41);
}

TEST_F(PellanorRun, CancelledSaveAsStillUsesUpTheNumber)
{
    run(true);
    EXPECT_EQ(templateCells().first(), QStringLiteral("42"));
    EXPECT_FALSE(dataFileExists(QStringLiteral("codord.txt")));
}

TEST_F(PellanorRun, EveryMissingInputIsRefusedBeforeTheNumber)
{
    for (const QString& name : kInputs) {
        const QString aside = folder.file(name + QStringLiteral(".via"));
        QFile::rename(folder.file(name), aside);
        EXPECT_TRUE(refusal().contains(name)) << name.toStdString();
        QFile::rename(aside, folder.file(name));
        expectNothingConsumed(QStringLiteral("41"));
    }
}

TEST_F(PellanorRun, BadLetterNumberOrTechnicalValueIsRefused)
{
    // "nan" reads as a number to a parser, but numbers no letter; blanks are no empty cell.
    for (const QString& text :
         {QStringLiteral("N/D"), QStringLiteral("nan"), QStringLiteral(" ")}) {
        setTemplateB9(text);
        EXPECT_TRUE(refusal().contains(QStringLiteral("B9"))) << text.toStdString();
        expectNothingConsumed(text);
    }

    setTemplateB9(QStringLiteral("41"));
    QFile dtec(folder.file(QStringLiteral("dtec.txt")));
    ASSERT_TRUE(dtec.open(QIODevice::WriteOnly | QIODevice::Truncate));
    dtec.write("PORTATA UTILE KG/MQ              00040000\r\n");
    dtec.close();
    EXPECT_TRUE(refusal().contains(QStringLiteral("dtec.txt")));
    expectNothingConsumed(QStringLiteral("41"));
}

} // namespace
} // namespace zuvo::test
