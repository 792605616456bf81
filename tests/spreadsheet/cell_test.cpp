#include "common/failure.h"
#include "spreadsheet/cell.h"

#include <gtest/gtest.h>

namespace zuvo::sheet {
namespace {

TEST(RangeAddressTest, ParsesCellsAndRanges)
{
    const auto cell = RangeAddress::parse(QStringLiteral("B2"));
    EXPECT_EQ(cell.firstRow, 2);
    EXPECT_EQ(cell.firstColumn, 2);
    EXPECT_EQ(cell.lastRow, 2);
    const auto range = RangeAddress::parse(QStringLiteral("$A$1:AA165"));
    EXPECT_EQ(range.lastColumn, 27);
    EXPECT_EQ(range.rowCount(), 165);
    EXPECT_THROW(RangeAddress::parse(QStringLiteral("B")), Failure);
    EXPECT_THROW(RangeAddress::parse(QStringLiteral("B2:A1")), Failure);
    EXPECT_THROW(RangeAddress::parse(QStringLiteral("A0")), Failure);
}

TEST(CellTest, PlainTextOfACell)
{
    EXPECT_EQ(Cell{}.toText(), "");
    EXPECT_EQ((Cell{Cell::Kind::Number, 70000010, {}}.toText()), "70000010");
    EXPECT_EQ((Cell{Cell::Kind::Number, 12.5, {}}.toText()), "12.5");
    EXPECT_EQ((Cell{Cell::Kind::Text, 0, QStringLiteral("x")}.toNumber()), 0);
}

TEST(CellInputTest, ValueTellsFormulasFromTexts)
{
    EXPECT_EQ(CellInput::value(QStringLiteral("=RC3")).kind, CellInput::Kind::FormulaR1C1);
    EXPECT_EQ(CellInput::value(QStringLiteral("70000010")).kind, CellInput::Kind::Text);
    EXPECT_EQ(CellInput::value(QString()).kind, CellInput::Kind::Text);
}

} // namespace
} // namespace zuvo::sheet
