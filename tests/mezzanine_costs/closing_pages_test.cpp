#include "tests/mezzanine_costs/closing_fixture.h"

#include "spreadsheet/office.h"
#include "spreadsheet/sheet.h"
#include "tests/support/office_environment.h"

namespace zuvo::test {
namespace {

using sheet::Edge;
using sheet::Line;
using sheet::Sheet;

constexpr unsigned kGrey = 0xD9D9D9;

class ClosingPages : public ClosingRun {
protected:
    // Column A of the general conditions as the conditions workbook holds it.
    QStringList conditionsColumnA(int first, int last)
    {
        sheet::Workbook conditions = office().openCopyOf(folder.file(QStringLiteral("Condizioni.xlsx")));
        QStringList texts;
        for (const auto& row : conditions.activeSheet().cells(sheet::RangeAddress::rows(first, last, 1, 1)))
            texts << row.first().toText();
        conditions.close();
        return texts;
    }

    void expectDocumentTotalBox(Sheet& quote, int row, double total)
    {
        EXPECT_EQ(quote.cell(row, 7).text, QStringLiteral("TOTALE DOCUMENTO"));
        EXPECT_TRUE(quote.isBold(row, 7));
        EXPECT_DOUBLE_EQ(quote.cell(row + 1, 7).toNumber(), total);
        EXPECT_TRUE(quote.isBold(row + 1, 7));
        EXPECT_EQ(quote.numberFormat(row + 1, 7).remove(QLatin1Char('"')), QStringLiteral("$ #,##0.00"));
        for (int column = 5; column <= 7; ++column) {
            EXPECT_EQ(quote.fillColour(row, column), kGrey);
            EXPECT_EQ(quote.fillColour(row + 1, column), kGrey);
        }
        EXPECT_EQ(quote.fillColour(row, 4), 0xFFFFFFFFu);
        EXPECT_EQ(quote.border(row, 5, Edge::Left), Line::Thin);
        EXPECT_EQ(quote.border(row, 6, Edge::Top), Line::Thin);
        EXPECT_EQ(quote.border(row + 1, 7, Edge::Right), Line::Thin);
        EXPECT_EQ(quote.border(row + 1, 5, Edge::Bottom), Line::Thin);
    }

    void expectConditions(Sheet& quote, int row)
    {
        EXPECT_EQ(quote.cell(row, 1).text, QStringLiteral("Condizioni:"));
        EXPECT_TRUE(quote.isBold(row, 1));
        EXPECT_EQ(quote.fillColour(row, 1), kGrey);
        EXPECT_EQ(quote.fillColour(row, 7), kGrey);
        EXPECT_EQ(quote.border(row, 7, Edge::Right), Line::Thin);
        EXPECT_EQ(columnA(row + 1, row + 5),
                  QStringList({"Prezzo: LISTINO", "IVA: ESCLUSA", "Validità offerta: 15 GG.",
                               "Data consegna prevista: 40 GG. D.R.O.",
                               "Condizioni di pagamento: DA CONVENIRE"}));
        EXPECT_EQ(quote.cell(row + 1, 3).text, QStringLiteral("Spedizione: DESTINATARIO"));
        EXPECT_EQ(quote.cell(row + 2, 3).text, QStringLiteral("Porto: ASSEGNATO"));
        EXPECT_EQ(quote.cell(row + 3, 3).text, QStringLiteral("Imballo standard: COMPRESO"));
        EXPECT_EQ(quote.cell(row + 4, 3).text, QStringLiteral("Posa in opera (a locali liberi): ESCLUSA"));
        EXPECT_EQ(quote.cell(row + 5, 3).text, QStringLiteral("Oneri per la sicurezza: ESCLUSI"));
        EXPECT_FALSE(quote.isBold(row + 1, 1));
        EXPECT_EQ(quote.fillColour(row + 2, 1), 0xFFFFFFFFu);
        EXPECT_EQ(quote.border(row + 1, 4, Edge::Top), Line::Thin);
        EXPECT_EQ(quote.border(row + 3, 1, Edge::Left), Line::Thin);
        EXPECT_EQ(quote.border(row + 3, 7, Edge::Right), Line::Thin);
        EXPECT_EQ(quote.border(row + 5, 4, Edge::Bottom), Line::Thin);
    }

    void expectGeneralConditions(Sheet& quote, int row)
    {
        EXPECT_EQ(columnA(row, row + 4), conditionsColumnA(1, 5));
        EXPECT_EQ(columnA(row + 160, row + 164), conditionsColumnA(161, 165));
        for (int r : {row, row + 55}) {
            EXPECT_EQ(quote.fontName(r, 1), QStringLiteral("Arial")) << r;
            EXPECT_EQ(quote.fontSize(r, 1), 8) << r;
        }
    }
};

TEST_F(ClosingPages, NoteRow46StillClosesOnThePage)
{
    writeOrders(plainLines(32));
    run(request());

    Sheet quote = saved();
    EXPECT_EQ(quote.cell(41, 1).text, QStringLiteral("ZC100"));
    EXPECT_EQ(quote.cell(43, 2).text, QStringLiteral("TOTALE SOLO SOPPALCO"));
    EXPECT_EQ(quote.cell(46, 2).text, QStringLiteral("(Prove sui materiali escluse)"));
    EXPECT_TRUE(quote.cell(44, 7).isEmpty());
    EXPECT_EQ(quote.formula(49, 7), QStringLiteral("=SUM(G$43;G$45)"));
    expectDocumentTotalBox(quote, 48, 320 + 550);
    expectConditions(quote, 51);
    expectGeneralConditions(quote, 57);
}

TEST_F(ClosingPages, NoteRow47MakesAContinuationPage)
{
    writeOrders(plainLines(33));
    run(request());

    Sheet quote = saved();
    EXPECT_EQ(quote.cell(42, 1).text, QStringLiteral("ZC100"));
    EXPECT_EQ(quote.cell(44, 7).text, QStringLiteral("segue..."));
    EXPECT_EQ(columnA(43, 56), QStringList(14, QString()));
    EXPECT_TRUE(quote.cell(44, 2).isEmpty());

    // the page header and the column headings again, then the totals moved 23 rows down
    EXPECT_EQ(quote.cell(65, 1).text, quote.cell(9, 1).text);
    EXPECT_EQ(quote.cell(58, 2).toNumber(), quote.cell(2, 2).toNumber());
    EXPECT_EQ(quote.cell(59, 3).text, QStringLiteral("ROSSI SCAFFALATURE S.R.L."));
    EXPECT_EQ(quote.cell(67, 2).text, QStringLiteral("TOTALE SOLO SOPPALCO"));
    EXPECT_EQ(quote.formula(67, 7), QStringLiteral("=SUM(G$10:G42)"));
    EXPECT_DOUBLE_EQ(quote.cell(67, 7).toNumber(), 330);
    EXPECT_EQ(quote.cell(69, 2).text, QStringLiteral("DOCUMENTAZIONE PER DEPOSITO"));
    EXPECT_EQ(quote.cell(70, 2).text, QStringLiteral("(Prove sui materiali escluse)"));
    EXPECT_EQ(quote.formula(101, 7), QStringLiteral("=SUM(G$67;G$69)"));
    expectDocumentTotalBox(quote, 100, 330 + 550);
    expectConditions(quote, 103);
    expectGeneralConditions(quote, 113);

    // each column of both bodies is one tall box
    for (int first : {9, 65}) {
        const int last = first + 33;
        EXPECT_EQ(quote.border(first, 1, Edge::Top), Line::Thin);
        EXPECT_EQ(quote.border(last, 7, Edge::Bottom), Line::Thin);
        EXPECT_EQ(quote.border(first + 10, 1, Edge::Left), Line::Thin);
        EXPECT_EQ(quote.border(first + 10, 4, Edge::Left), Line::Thin);
        EXPECT_EQ(quote.border(first + 10, 7, Edge::Right), Line::Thin);
        EXPECT_EQ(quote.border(first + 10, 4, Edge::Bottom), Line::None);
    }
    EXPECT_EQ(quote.border(50, 1, Edge::Left), Line::None);
    EXPECT_EQ(quote.border(50, 4, Edge::Bottom), Line::None);
}

TEST_F(ClosingPages, ALongSheetGoesOnToAThirdBlock)
{
    writeOrders(plainLines(70));
    run(request());

    Sheet quote = saved();
    EXPECT_EQ(columnA(10, 42), QStringList(33, QStringLiteral("ZC100")));
    EXPECT_EQ(columnA(43, 56), QStringList(14, QString()));
    const QString headings = quote.cell(9, 1).text;
    EXPECT_EQ(columnA(65, 98), QStringList{headings} + QStringList(33, QStringLiteral("ZC100")));
    EXPECT_EQ(columnA(99, 112), QStringList(14, QString()));
    EXPECT_EQ(columnA(121, 126), QStringList({headings, "ZC100", "ZC100", "ZC100", "ZC100", ""}));
    EXPECT_EQ(quote.cell(44, 7).text, QStringLiteral("segue..."));
    EXPECT_EQ(quote.cell(100, 7).text, QStringLiteral("segue..."));
    EXPECT_EQ(quote.cell(114, 2).toNumber(), quote.cell(2, 2).toNumber());
    EXPECT_EQ(quote.border(121, 3, Edge::Top), Line::Thin);
    EXPECT_EQ(quote.border(154, 3, Edge::Bottom), Line::Thin);

    EXPECT_EQ(quote.cell(127, 2).text, QStringLiteral("TOTALE SOLO SOPPALCO"));
    EXPECT_EQ(quote.formula(127, 7), QStringLiteral("=SUM(G$10:G125)"));
    EXPECT_DOUBLE_EQ(quote.cell(127, 7).toNumber(), 700);
    EXPECT_EQ(quote.cell(130, 2).text, QStringLiteral("(Prove sui materiali escluse)"));
    expectDocumentTotalBox(quote, 156, 700 + 550);
    expectConditions(quote, 159);
    expectGeneralConditions(quote, 169);
}

} // namespace
} // namespace zuvo::test
