#include "workbook_fixture.h"

namespace zuvo::test {
namespace {

using sheet::CellInput;
using sheet::CellRow;
using sheet::RangeAddress;

const QString amount = QStringLiteral("=RC3*RC5");

// Quote rows from row 10: code, description, quantity, (empty), price, (empty), amount.
class RangesTest : public WorkbookTest {
protected:
    void writeQuoteRow(int row, const QString& code, double quantity, double price)
    {
        sheet->writeRow(row, 1, {CellInput::of(code), CellInput::of(QStringLiteral("descr ") + code),
                                 CellInput::of(quantity), CellInput::nothing(), CellInput::of(price),
                                 CellInput::nothing(), CellInput::formula(amount)});
    }

    QString code(int row) const { return sheet->cell(row, 1).text; }
    double amountAt(int row) const { return sheet->cell(row, 7).number; }
};

TEST_F(RangesTest, SortCarriesFormulasWithTheirRows)
{
    writeQuoteRow(10, QStringLiteral("b200"), 2, 10);
    writeQuoteRow(11, QStringLiteral("A100"), 3, 10);
    writeQuoteRow(12, QStringLiteral("C300"), 4, 10);
    writeQuoteRow(13, QStringLiteral("a150"), 5, 10);

    sheet->sortRows(RangeAddress::rows(10, 13, 1, 7), 1);

    EXPECT_EQ(code(10), "A100");
    EXPECT_EQ(code(11), "a150");
    EXPECT_EQ(code(12), "b200");
    EXPECT_EQ(code(13), "C300");
    EXPECT_DOUBLE_EQ(amountAt(11), 50);
    EXPECT_EQ(sheet->formula(13, 7), "=$C13*$E13");
    EXPECT_DOUBLE_EQ(amountAt(13), 40);
}

TEST_F(RangesTest, MovedCellsTakeReferencesAlong)
{
    writeQuoteRow(10, QStringLiteral("A"), 2, 10);
    writeQuoteRow(11, QStringLiteral("B"), 3, 10);
    sheet->write(13, 7, CellInput::formula(QStringLiteral("=SUM(R10C,R11C)")));
    sheet->setBold(RangeAddress::cell(11, 1), true);

    sheet->move(RangeAddress::rows(10, 11, 1, 7), 20, 1);

    EXPECT_TRUE(sheet->cell(10, 1).isEmpty());
    EXPECT_EQ(code(21), "B");
    EXPECT_TRUE(sheet->isBold(21, 1));
    EXPECT_DOUBLE_EQ(amountAt(21), 30);
    EXPECT_EQ(sheet->formula(13, 7), "=SUM(G$20;G$21)");
    EXPECT_DOUBLE_EQ(amountAt(13), 50);
}

TEST_F(RangesTest, DeletedAndInsertedRowsShiftTheRest)
{
    writeQuoteRow(10, QStringLiteral("A"), 1, 10);
    writeQuoteRow(11, QStringLiteral("B"), 2, 10);
    writeQuoteRow(12, QStringLiteral("C"), 3, 10);
    sheet->write(14, 7, CellInput::formula(QStringLiteral("=SUM(R10C:R12C)")));

    sheet->deleteRows(11, 1);
    EXPECT_EQ(code(11), "C");
    EXPECT_DOUBLE_EQ(amountAt(11), 30);
    EXPECT_DOUBLE_EQ(amountAt(13), 40);

    sheet->insertRows(11, 2);
    EXPECT_TRUE(sheet->cell(11, 1).isEmpty());
    EXPECT_TRUE(sheet->cell(12, 7).isEmpty());
    EXPECT_EQ(code(13), "C");
    EXPECT_EQ(sheet->formula(13, 7), "=$C13*$E13");
    EXPECT_DOUBLE_EQ(amountAt(15), 40);
}

TEST_F(RangesTest, CopiedRowsKeepFormatsAndFollowTheirRow)
{
    writeQuoteRow(10, QStringLiteral("A"), 2, 10);
    sheet->setBold(RangeAddress::cell(10, 1), true);
    sheet->copyRows(10, 10, 15);
    EXPECT_EQ(code(15), "A");
    EXPECT_TRUE(sheet->isBold(15, 1));
    EXPECT_EQ(sheet->formula(15, 7), "=$C15*$E15");
    EXPECT_EQ(code(10), "A");
}

TEST_F(RangesTest, ClearKeepsFormats)
{
    writeQuoteRow(10, QStringLiteral("A"), 2, 10);
    sheet->setBold(RangeAddress::cell(10, 1), true);
    sheet->clearContents(RangeAddress::rows(10, 10, 1, 7));
    EXPECT_TRUE(sheet->cell(10, 1).isEmpty());
    EXPECT_TRUE(sheet->cell(10, 7).isEmpty());
    EXPECT_TRUE(sheet->isBold(10, 1));
}

TEST_F(RangesTest, PageBreak)
{
    EXPECT_FALSE(sheet->hasPageBreakBefore(40));
    sheet->setPageBreakBefore(40);
    EXPECT_TRUE(sheet->hasPageBreakBefore(40));
    EXPECT_FALSE(sheet->hasPageBreakBefore(41));
}

TEST_F(RangesTest, ClipOutlivesItsWorkbook)
{
    auto source = office().create();
    auto from = source.activeSheet();
    from.writeRow(1, 1, {CellInput::of(QStringLiteral("Totale")), CellInput::of(4.0),
                         CellInput::formula(QStringLiteral("=RC[-1]*2"))});
    from.setBold(RangeAddress::cell(1, 1), true);
    from.setGreyFill(RangeAddress::parse("A1:C1"));
    const auto clip = from.copy(RangeAddress::parse("A1:C1"));
    source.close();
    sheet->write(30, 3, CellInput::of(QStringLiteral("da sostituire")));

    sheet->paste(clip, 30, 2);

    EXPECT_EQ(clip.rowCount(), 1);
    EXPECT_EQ(clip.columnCount(), 3);
    EXPECT_EQ(sheet->cell(30, 2).text, "Totale");
    EXPECT_EQ(sheet->cell(30, 3).number, 4);
    EXPECT_TRUE(sheet->isBold(30, 2));
    EXPECT_EQ(sheet->fillColour(30, 4), 0xD9D9D9u);
    EXPECT_EQ(sheet->formula(30, 4), "=C30*2");
    EXPECT_DOUBLE_EQ(sheet->cell(30, 4).number, 8);
}

} // namespace
} // namespace zuvo::test
