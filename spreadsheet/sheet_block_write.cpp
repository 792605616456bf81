#include "spreadsheet/sheet.h"

#include "spreadsheet/impl.h"
#include "spreadsheet/r1c1_translation.h"

#include <com/sun/star/sheet/XCellRangeFormula.hpp>

// Every call to the office costs a round trip, so a block goes in as one formula array: the
// office reads it like typed input in English, where a leading apostrophe always marks a
// text (and is dropped), numbers are plain English decimals, "" clears the cell and R1C1
// formulas arrive translated to A1.

namespace zuvo::sheet {
namespace {

using css::uno::Sequence;

struct Position {
    int row = 0;
    int column = 0;
};

// The typed input for a cell, or nothing for a formula only the office's parser can read.
std::optional<OUString> typedInput(const CellInput& input, int row, int column)
{
    switch (input.kind) {
    case CellInput::Kind::Nothing:
        return OUString();
    case CellInput::Kind::Number:
        return toOUString(QString::number(input.number, 'g', 17));
    case CellInput::Kind::Text:
        return input.text.isEmpty() ? OUString() : toOUString(QLatin1Char('\'') + input.text);
    case CellInput::Kind::FormulaR1C1:
        if (const auto a1 = translateR1C1(input.text, row, column))
            return toOUString(*a1);
        return std::nullopt;
    }
    return OUString();
}

} // namespace

void Sheet::writeRow(int row, int firstColumn, const CellRow& inputs)
{
    writeBlock(row, firstColumn, {inputs});
}

void Sheet::writeBlock(int firstRow, int firstColumn, const QList<CellRow>& rows)
{
    if (rows.isEmpty() || rows.first().isEmpty())
        return;
    const int width = rows.first().size();
    const RangeAddress block =
        RangeAddress::rows(firstRow, firstRow + rows.size() - 1, firstColumn, firstColumn + width - 1);
    if (std::any_of(rows.begin(), rows.end(), [&](const CellRow& row) { return row.size() != width; }))
        throw Failure(QStringLiteral("Le righe da scrivere in %1 non hanno tutte la stessa lunghezza.")
                          .arg(rangeName(block)));
    Sequence<Sequence<OUString>> inputs(rows.size());
    QList<Position> leftToTheParser;
    for (int r = 0; r < rows.size(); ++r) {
        auto& line = inputs.getArray()[r];
        line.realloc(width);
        for (int c = 0; c < width; ++c) {
            const Position cell{firstRow + r, firstColumn + c};
            const auto input = typedInput(rows[r][c], cell.row, cell.column);
            if (!input)
                leftToTheParser.append(cell);
            line.getArray()[c] = input.value_or(OUString());
        }
    }
    guarded(impl_->link(), QStringLiteral("scrivere le celle %1").arg(rangeName(block)), [&] {
        Reference<css::sheet::XCellRangeFormula>(impl_->rangeAt(block), UNO_QUERY_THROW)
            ->setFormulaArray(inputs);
    });
    for (const Position& cell : leftToTheParser)
        write(cell.row, cell.column, rows[cell.row - firstRow][cell.column - firstColumn]);
}

} // namespace zuvo::sheet
