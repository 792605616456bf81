#include "tests/racking/tavrelo_fixture.h"

#include "spreadsheet/format.h"
#include "tests/support/office_environment.h"

#include <gmock/gmock.h>

namespace zuvo::test {
namespace {

using racking::Family;
using sheet::Edge;
using sheet::Line;

class TavreloRunEnds : public TavreloRun {
protected:
    void SetUp() override
    {
        TavreloRun::SetUp();
        setPrices({{QStringLiteral("LP01"), 10, 1, {}}});
    }
    void writeOneLine(Family family)
    {
        writeFamily(family, {orderLine(QStringLiteral("LP01"), 0, QStringLiteral("3"))});
    }
};

TEST_F(TavreloRunEnds, ConditionsBlockWithoutDiscountSaysListino)
{
    writeOneLine(Family::Pallet);
    run();

    EXPECT_EQ(text(3, 3), QStringLiteral("BIANCHI LOGISTICA S.P.A."));
    EXPECT_EQ(text(5, 3), QStringLiteral("37100 VERONA"));
    EXPECT_DOUBLE_EQ(number(10, 6), 0);
    EXPECT_EQ(text(51, 1), QStringLiteral("Condizioni:"));
    EXPECT_TRUE(saved().isBold(51, 1));
    EXPECT_NE(saved().fillColour(51, 7), 0xFFFFFFFFu);
    const QList<QPair<QString, QString>> terms = {
        {QStringLiteral("Prezzo: LISTINO"), QStringLiteral("Spedizione: DESTINATARIO")},
        {QStringLiteral("IVA: ESCLUSA"), QStringLiteral("Porto: ASSEGNATO")},
        {QStringLiteral("Validità offerta: 15 GG."), QStringLiteral("Imballo standard: COMPRESO")},
        {QStringLiteral("Data consegna prevista: 40 GG. D.R.O"),
         QStringLiteral("Posa in opera (a locali liberi): ESCLUSA")},
        {QStringLiteral("Condizioni di pagamento: DA CONVENIRE"),
         QStringLiteral("Oneri per la sicurezza: ESCLUSI")},
    };
    for (int i = 0; i < terms.size(); ++i) {
        EXPECT_EQ(text(52 + i, 1), terms[i].first);
        EXPECT_EQ(text(52 + i, 3), terms[i].second);
    }
    EXPECT_FALSE(saved().isBold(52, 1));
    EXPECT_EQ(saved().fillColour(52, 1), 0xFFFFFFFFu);
    EXPECT_EQ(saved().border(52, 1, Edge::Left), Line::Thin);
    EXPECT_EQ(saved().border(56, 7, Edge::Right), Line::Thin);
    EXPECT_EQ(saved().border(56, 4, Edge::Bottom), Line::Thin);
    EXPECT_EQ(saved().border(53, 1, Edge::Top), Line::None);
}

TEST_F(TavreloRunEnds, AnyDiscountTextSaysNetto)
{
    writeOneLine(Family::SatDrive);
    run(QStringLiteral(" "));

    EXPECT_EQ(text(52, 1), QStringLiteral("Prezzo: NETTO"));
    EXPECT_DOUBLE_EQ(number(10, 6), 0);
    EXPECT_DOUBLE_EQ(number(49, 7), 30);
}

TEST_F(TavreloRunEnds, GeneralConditionsFollowOnTheNextPageInArial8)
{
    writeOneLine(Family::DriveIn);
    run(QStringLiteral("5"));

    sheet::Workbook conditions = office().open(folder.file(QStringLiteral("Condizioni.xlsx")));
    const auto source = conditions.activeSheet().cells(sheet::RangeAddress::parse(QStringLiteral("A1:G165")));
    conditions.close();
    const auto pasted = saved().cells(sheet::RangeAddress::rows(57, 221, 1, 7));
    for (int r = 0; r < 165; ++r) {
        for (int c = 0; c < 7; ++c)
            EXPECT_EQ(pasted[r][c].toText(), source[r][c].toText()) << "row " << 57 + r;
    }
    EXPECT_EQ(saved().fontName(57, 1), QStringLiteral("Arial"));
    EXPECT_DOUBLE_EQ(saved().fontSize(57, 1), 8);
    EXPECT_EQ(saved().fontName(112, 1), QStringLiteral("Arial"));
    EXPECT_DOUBLE_EQ(saved().fontSize(112, 1), 8);
}

TEST_F(TavreloRunEnds, SavedQuotationConsumesEveryFamilyAndDescriptionFile)
{
    writeOneLine(Family::Pallet);
    writeDataFile(QStringLiteral("fpp.txt"));
    writeDataFile(QStringLiteral("fcl.txt"));  // a description file without its family file
    const double number = templateNumber();
    run();

    for (Family family : racking::kFamilyOrder) {
        EXPECT_FALSE(dataFileExists(racking::descriptionFileOf(family)));
        EXPECT_FALSE(dataFileExists(racking::orderFileOf(family)));
    }
    EXPECT_DOUBLE_EQ(templateNumber(), number + 1);
    EXPECT_DOUBLE_EQ(saved().cell(2, 2).toNumber(), number + 1);
}

TEST_F(TavreloRunEnds, CancelledSaveAsStillConsumesTheFiles)
{
    writeOneLine(Family::Pallet);
    writeDataFile(QStringLiteral("fpp.txt"));
    const double number = templateNumber();
    run(QString(), true);

    EXPECT_FALSE(dataFileExists(QStringLiteral("fppord.txt")));
    EXPECT_FALSE(dataFileExists(QStringLiteral("fpp.txt")));
    EXPECT_DOUBLE_EQ(templateNumber(), number + 1);
}

// The order program may write the next order while the Save As dialog is open: the files
// the run did not find at its start stay for the next quotation.
TEST_F(TavreloRunEnds, FamilyFilesWrittenDuringTheHandOverStay)
{
    writeOneLine(Family::Pallet);
    writeDataFile(QStringLiteral("fpp.txt"));
    duringHandOver = [&] {
        writeOneLine(Family::Cantilever);
        writeDataFile(QStringLiteral("fcl.txt"));
    };
    run();

    EXPECT_FALSE(dataFileExists(QStringLiteral("fppord.txt")));
    EXPECT_FALSE(dataFileExists(QStringLiteral("fpp.txt")));
    EXPECT_TRUE(dataFileExists(QStringLiteral("fclord.txt")));
    EXPECT_TRUE(dataFileExists(QStringLiteral("fcl.txt")));
}

TEST_F(TavreloRunEnds, NothingToQuoteStopsBeforeTheQuoteNumber)
{
    writeDataFile(QStringLiteral("fpp.txt"));
    const double number = templateNumber();
    EXPECT_THAT(runExpectingFailure().toStdString(),
                ::testing::HasSubstr("nessun file di famiglia"));
    EXPECT_DOUBLE_EQ(templateNumber(), number);
    EXPECT_TRUE(dataFileExists(QStringLiteral("fpp.txt")));
}

TEST_F(TavreloRunEnds, MissingGeneralConditionsStopBeforeTheQuoteNumber)
{
    writeOneLine(Family::Pallet);
    removeDataFile(QStringLiteral("Condizioni.xlsx"));
    const double number = templateNumber();
    EXPECT_THAT(runExpectingFailure().toStdString(), ::testing::HasSubstr("Condizioni.xlsx"));
    EXPECT_DOUBLE_EQ(templateNumber(), number);
    EXPECT_TRUE(dataFileExists(QStringLiteral("fppord.txt")));
}

TEST_F(TavreloRunEnds, MissingTemplateStopsWithoutConsumingAnything)
{
    writeOneLine(Family::Pallet);
    removeDataFile(QStringLiteral("SchedaScaff.xlsx"));
    EXPECT_THAT(runExpectingFailure().toStdString(), ::testing::HasSubstr("SchedaScaff.xlsx"));
    EXPECT_TRUE(dataFileExists(QStringLiteral("fppord.txt")));
}

TEST_F(TavreloRunEnds, LineFeedOnlyFamilyFileIsReadLikeAnyOther)
{
    writeFamily(Family::Pallet,
                {orderLine(QStringLiteral("LP01"), 0, QStringLiteral("3")),
                 orderLine(QStringLiteral("NONE99"), 1250, QStringLiteral("2"))},
                "\n");
    run();

    EXPECT_EQ(text(10, 1), QStringLiteral("NONE99"));  // not found: sort key 0
    EXPECT_EQ(text(10, 2), QStringLiteral("Codice non trovato a listino"));
    EXPECT_DOUBLE_EQ(number(10, 4), 1.25);
    EXPECT_DOUBLE_EQ(number(10, 5), 0);
    EXPECT_EQ(text(11, 1), QStringLiteral("LP01"));
    EXPECT_DOUBLE_EQ(number(11, 3), 3);
    EXPECT_DOUBLE_EQ(number(49, 7), 30);
}

// The sample data folder as shipped quotes every family it carries a file for, with its
// seismic sheet.
class SampleFamilies : public TavreloRun {
protected:
    void SetUp() override {}
};

TEST_F(SampleFamilies, SampleOrderFilesMakeAQuotation)
{
    QStringList labels;
    for (Family family : racking::kFamilyOrder) {
        if (dataFileExists(racking::orderFileOf(family)))
            labels << racking::totalLabelOf(family);
    }
    ASSERT_GT(labels.size(), 1);
    run(QStringLiteral("10"));

    const auto cells = quoteSheet().cells(sheet::RangeAddress::rows(1, 56 * labels.size(), 1, 7));
    QStringList totals;
    int boxRow = 0;
    for (int r = 0; r < cells.size(); ++r) {
        if (cells[r][1].toText().startsWith(QLatin1String("TOTALE ")))
            totals << cells[r][1].toText();
        if (cells[r][6].toText() == QLatin1String("TOTALE DOCUMENTO"))
            boxRow = r + 1;
    }
    EXPECT_EQ(totals, labels);
    ASSERT_GT(boxRow, 0);
    EXPECT_EQ((boxRow - 1) % 56, 47);
    EXPECT_GT(number(boxRow + 1, 7), 0);
    EXPECT_EQ(text(boxRow + 3, 1), QStringLiteral("Condizioni:"));
    // Its seismic data fill the seismic sheet to the last cell.
    sheet::Sheet seismic = saved(QStringLiteral("Scheda"));
    EXPECT_EQ(seismic.cell(QStringLiteral("E44")).toText(),
              QStringLiteral("PAVIMENTO IN CLS SP. 20 CM"));
    EXPECT_DOUBLE_EQ(seismic.cell(QStringLiteral("E48")).toNumber(), 10);
}

} // namespace
} // namespace zuvo::test
