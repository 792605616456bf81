#include "common/failure.h"
#include "spreadsheet/cell.h"
#include "workbook_fixture.h"

namespace zuvo::test {
namespace {

using sheet::Cell;
using sheet::CellInput;
using sheet::CellRow;
using sheet::RangeAddress;

using CellsTest = WorkbookTest;

TEST_F(CellsTest, TextsStayTextsAndNumbersStayNumbers)
{
    sheet->write(1, 1, CellInput::of(QStringLiteral("70000010")));
    sheet->write(1, 2, CellInput::of(QStringLiteral("1,5")));
    sheet->write("C1", CellInput::of(12.5));
    sheet->write(1, 4, CellInput::value(QStringLiteral("=R1C3*2")));

    EXPECT_TRUE(sheet->cell(1, 1).isText());
    EXPECT_EQ(sheet->cell(1, 1).text, "70000010");
    EXPECT_EQ(sheet->cell("B1").text, "1,5");
    EXPECT_TRUE(sheet->cell(1, 3).isNumber());
    EXPECT_DOUBLE_EQ(sheet->cell(1, 3).number, 12.5);
    EXPECT_DOUBLE_EQ(sheet->cell(1, 4).number, 25);
    EXPECT_EQ(sheet->formula(1, 4), "=$C$1*2");
    EXPECT_EQ(sheet->formula(1, 3), "");
}

TEST_F(CellsTest, BatchKeepsTextsAsTheyAreAndNumbersExact)
{
    const QStringList texts = {"70000010", "1,5", "'quoted", "=not a formula", "TRUE", "1/2", " 7", "R1C1"};
    CellRow row;
    for (const QString& text : texts)
        row.append(CellInput::of(text));
    const QList<double> numbers = {0.1, 12.345678901234567, -3.5, 1e20, 70000010};
    for (double number : numbers)
        row.append(CellInput::of(number));
    sheet->writeRow(1, 1, row);

    const auto cells = sheet->cells(RangeAddress::rows(1, 1, 1, row.size()));
    for (int i = 0; i < texts.size(); ++i) {
        EXPECT_TRUE(cells[0][i].isText()) << texts[i].toStdString();
        EXPECT_EQ(cells[0][i].text, texts[i]);
    }
    for (int i = 0; i < numbers.size(); ++i) {
        EXPECT_TRUE(cells[0][texts.size() + i].isNumber());
        EXPECT_EQ(cells[0][texts.size() + i].number, numbers[i]);
    }
}

TEST_F(CellsTest, NothingClearsACell)
{
    sheet->write(2, 2, CellInput::of(3.0));
    sheet->write(2, 2, CellInput::nothing());
    EXPECT_TRUE(sheet->cell(2, 2).isEmpty());

    sheet->writeRow(3, 1, {CellInput::of(1.0), CellInput::of(QStringLiteral("x"))});
    sheet->writeRow(3, 1, {CellInput::nothing(), CellInput::nothing()});
    EXPECT_TRUE(sheet->cell(3, 1).isEmpty());
    EXPECT_TRUE(sheet->cell(3, 2).isEmpty());
}

TEST_F(CellsTest, SingleFormulaReadsBackInA1AndComputes)
{
    sheet->writeRow(10, 3, {CellInput::of(4.0), CellInput::nothing(), CellInput::of(25.0), CellInput::of(10.0)});
    sheet->write(10, 7, CellInput::formula(QStringLiteral("=RC3*RC5-RC3*RC5*RC6/100")));
    EXPECT_EQ(sheet->formula(10, 7), "=$C10*$E10-$C10*$E10*$F10/100");
    EXPECT_DOUBLE_EQ(sheet->cell(10, 7).number, 90);
}

// The batch path translates R1C1 itself; it must give exactly what the office's parser gives.
TEST_F(CellsTest, BatchFormulasMatchTheOfficeParser)
{
    const QStringList formulas = {
        "=RC3*RC5-RC3*RC5*RC6/100",   "=RC3*RC4*RC5-RC3*RC4*RC5*RC6/100",
        "=SUM(R10C:R[-2]C)",          "=SUM(R10C,R11C)",
        "=ROUND(R[-1]C[-1]/3,2)",     "=IF(RC3>1,\"R1C1, text\",\"\")",
        "=R12C7&\"x\"",             "=0.5*SUM(1,2)",
    };
    for (const QString& formula : formulas) {
        sheet->write(14, 7, CellInput::formula(formula));
        const QString parsed = sheet->formula(14, 7);
        sheet->write(14, 7, CellInput::nothing());
        sheet->writeRow(14, 6, {CellInput::of(1.0), CellInput::formula(formula)});
        EXPECT_EQ(sheet->formula(14, 7), parsed) << formula.toStdString();
    }
}

TEST_F(CellsTest, BlockMixesTextsNumbersAndFormulas)
{
    QList<CellRow> rows;
    for (int i = 0; i < 3; ++i) {
        rows.append({CellInput::of(QStringLiteral("7000001%1").arg(i)), CellInput::of(QStringLiteral("Trave")),
                     CellInput::of(2.0 + i), CellInput::of(1.5), CellInput::of(10.0), CellInput::nothing(),
                     CellInput::formula(QStringLiteral("=RC3*RC4*RC5-RC3*RC4*RC5*RC6/100"))});
    }
    rows.append({CellInput::nothing(), CellInput::nothing(), CellInput::nothing(), CellInput::nothing(),
                 CellInput::nothing(), CellInput::nothing(), CellInput::formula(QStringLiteral("=SUM(R[-3]C:R[-1]C)"))});
    sheet->writeBlock(10, 1, rows);

    EXPECT_EQ(sheet->cell(11, 1).text, "70000011");
    EXPECT_EQ(sheet->formula(12, 7), "=$C12*$D12*$E12-$C12*$D12*$E12*$F12/100");
    EXPECT_DOUBLE_EQ(sheet->cell(12, 7).number, 60);
    EXPECT_EQ(sheet->formula(13, 7), "=SUM(G10:G12)");
    EXPECT_DOUBLE_EQ(sheet->cell(13, 7).number, 30 + 45 + 60);
}

TEST_F(CellsTest, FormulaTheTranslatorLeavesToTheParserStillLands)
{
    sheet->write(1, 1, CellInput::of(5.0));
    sheet->writeRow(2, 1, {CellInput::formula(QStringLiteral("=SUM(R1)")), CellInput::of(1.0)});
    EXPECT_DOUBLE_EQ(sheet->cell(2, 1).number, 5);
}

TEST_F(CellsTest, BatchReadTellsEmptyNumberAndText)
{
    sheet->writeRow(1, 1, {CellInput::of(2.5), CellInput::of(QStringLiteral("abc")), CellInput::nothing(),
                           CellInput::formula(QStringLiteral("=\"\"")), CellInput::formula(QStringLiteral("=1/0"))});
    const auto cells = sheet->cells(RangeAddress::parse("A1:E1"));
    ASSERT_EQ(cells.size(), 1);
    ASSERT_EQ(cells[0].size(), 5);
    EXPECT_TRUE(cells[0][0].isNumber());
    EXPECT_EQ(cells[0][1].text, "abc");
    EXPECT_TRUE(cells[0][2].isEmpty());
    EXPECT_TRUE(cells[0][3].isText());
    EXPECT_TRUE(cells[0][4].isText());
    EXPECT_EQ(cells[0][4].text, sheet->cell(1, 5).text);
}

TEST_F(CellsTest, RenamedSheetKeepsItsName)
{
    sheet->rename(QStringLiteral("Offerta"));
    EXPECT_EQ(sheet->name(), "Offerta");
    EXPECT_EQ(book->sheet(QStringLiteral("Offerta")).name(), "Offerta");
    EXPECT_THROW(book->sheet(QStringLiteral("Nessuno")), Failure);
}

} // namespace
} // namespace zuvo::test
