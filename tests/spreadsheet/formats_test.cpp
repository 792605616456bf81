#include "workbook_fixture.h"

namespace zuvo::test {
namespace {

using sheet::CellInput;
using sheet::Edge;
using sheet::Line;
using sheet::RangeAddress;

using FormatsTest = WorkbookTest;

TEST_F(FormatsTest, NumberFormatsShowAsWritten)
{
    sheet->write(1, 1, CellInput::of(12.5));
    sheet->write(1, 2, CellInput::of(1234.5));
    sheet->setNumberFormat(RangeAddress::cell(1, 1), QStringLiteral("0.00"));
    sheet->setNumberFormat(RangeAddress::cell(1, 2), QStringLiteral("$ #,##0.00"));

    EXPECT_EQ(sheet->numberFormat(1, 1), "0.00");
    EXPECT_EQ(sheet->numberFormat(1, 2), "$ #,##0.00");
    EXPECT_EQ(sheet->displayedText(1, 1), "12.50");
    EXPECT_EQ(sheet->displayedText(1, 2), "$ 1,234.50");
    EXPECT_DOUBLE_EQ(sheet->cell(1, 2).number, 1234.5);
}

TEST_F(FormatsTest, FontsAndAlignment)
{
    const auto range = RangeAddress::parse("A1:C2");
    sheet->setBold(range, true);
    sheet->setItalic(range, true);
    sheet->setFont(range, QStringLiteral("Arial"), 14);
    sheet->setPlainCharacters(range);
    sheet->setHorizontalAlignment(range, sheet::HorizontalAlignment::Right);
    sheet->setBold(RangeAddress::cell(2, 3), false);

    EXPECT_TRUE(sheet->isBold(1, 1));
    EXPECT_FALSE(sheet->isBold(2, 3));
    EXPECT_TRUE(sheet->isItalic(2, 2));
    EXPECT_FALSE(sheet->isItalic(3, 1));
    EXPECT_EQ(sheet->fontName(1, 2), "Arial");
    EXPECT_DOUBLE_EQ(sheet->fontSize(1, 2), 14);
    EXPECT_FALSE(sheet->isStruckThrough(1, 1));
}

TEST_F(FormatsTest, EachBorderEdgeOnItsOwn)
{
    const auto box = RangeAddress::parse("B2:C3");
    sheet->setBorder(box, Edge::Top, Line::Thin);
    sheet->setBorder(box, Edge::InsideVertical, Line::Thin);
    sheet->setBorder(box, Edge::DiagonalUp, Line::Thin);

    EXPECT_EQ(sheet->border(2, 2, Edge::Top), Line::Thin);
    EXPECT_EQ(sheet->border(2, 3, Edge::Top), Line::Thin);
    EXPECT_EQ(sheet->border(3, 2, Edge::Top), Line::None);
    EXPECT_EQ(sheet->border(2, 2, Edge::Left), Line::None);
    EXPECT_EQ(sheet->border(3, 2, Edge::InsideVertical), Line::Thin);
    EXPECT_EQ(sheet->border(3, 3, Edge::Right), Line::None);
    EXPECT_EQ(sheet->border(3, 3, Edge::DiagonalUp), Line::Thin);
    EXPECT_EQ(sheet->border(3, 3, Edge::DiagonalDown), Line::None);

    sheet->setBorder(box, Edge::Top, Line::None);
    EXPECT_EQ(sheet->border(2, 2, Edge::Top), Line::None);
    EXPECT_EQ(sheet->border(2, 2, Edge::InsideVertical), Line::Thin);
}

TEST_F(FormatsTest, OuterAndInsideEdges)
{
    const auto box = RangeAddress::parse("B2:C3");
    for (Edge edge : {Edge::Left, Edge::Bottom, Edge::Right, Edge::InsideHorizontal, Edge::DiagonalDown})
        sheet->setBorder(box, edge, Line::Thin);

    EXPECT_EQ(sheet->border(3, 2, Edge::Left), Line::Thin);
    EXPECT_EQ(sheet->border(3, 3, Edge::Bottom), Line::Thin);
    EXPECT_EQ(sheet->border(2, 3, Edge::Right), Line::Thin);
    EXPECT_EQ(sheet->border(2, 2, Edge::InsideHorizontal), Line::Thin);
    EXPECT_EQ(sheet->border(2, 3, Edge::DiagonalDown), Line::Thin);
    EXPECT_EQ(sheet->border(2, 2, Edge::Top), Line::None);
    EXPECT_EQ(sheet->border(4, 2, Edge::Top), Line::None);
}

TEST_F(FormatsTest, GreyFill)
{
    sheet->setGreyFill(RangeAddress::parse("A1:B1"));
    EXPECT_EQ(sheet->fillColour(1, 2), 0xD9D9D9u);
    EXPECT_EQ(sheet->fillColour(2, 2), 0xFFFFFFFFu);
}

} // namespace
} // namespace zuvo::test
