#include "spreadsheet/sheet.h"

#include "spreadsheet/impl.h"

#include <com/sun/star/container/XNamed.hpp>
#include <com/sun/star/sheet/FormulaResult.hpp>
#include <com/sun/star/sheet/XCellRangeAddressable.hpp>
#include <com/sun/star/sheet/XCellRangeData.hpp>
#include <com/sun/star/sheet/XCellRangeFormula.hpp>
#include <com/sun/star/sheet/XFormulaTokens.hpp>
#include <com/sun/star/table/CellContentType.hpp>
#include <com/sun/star/text/XText.hpp>

namespace zuvo::sheet {
namespace {

using css::table::CellContentType_EMPTY;
using css::table::CellContentType_FORMULA;
using css::table::CellContentType_VALUE;
using css::table::XCell;

Cell numberCell(double number)
{
    return {Cell::Kind::Number, number, {}};
}

Cell textCell(const QString& text)
{
    return {Cell::Kind::Text, 0, text};
}

QString shownText(const Reference<XCell>& cell)
{
    return toQString(Reference<css::text::XText>(cell, UNO_QUERY_THROW)->getString());
}

Cell readCell(const Reference<XCell>& cell)
{
    const auto type = cell->getType();
    if (type == CellContentType_EMPTY)
        return {};
    if (type == CellContentType_VALUE)
        return numberCell(cell->getValue());
    if (type == CellContentType_FORMULA && cell->getError() == 0
        && property<sal_Int32>(cell, "FormulaResultType2") == css::sheet::FormulaResult::VALUE)
        return numberCell(cell->getValue());
    return textCell(shownText(cell));
}

// One cell of a batch read: the data array gives numbers as double and everything else as
// text ("" for an empty cell, nothing for an error); the formula array tells an empty cell
// from a formula that shows "".
Cell batchCell(const Any& data, const OUString& formula, const Reference<XCell>& cellForError)
{
    double number = 0;
    if (data >>= number)
        return numberCell(number);
    OUString text;
    if (data >>= text)
        return text.isEmpty() && formula.isEmpty() ? Cell{} : textCell(toQString(text));
    return textCell(shownText(cellForError));
}

} // namespace

Reference<css::table::XCell> Sheet::Impl::cellAt(int row, int column) const
{
    return sheet->getCellByPosition(column - 1, row - 1);
}

Reference<css::table::XCellRange> Sheet::Impl::rangeAt(const RangeAddress& range) const
{
    return sheet->getCellRangeByPosition(range.firstColumn - 1, range.firstRow - 1,
                                         range.lastColumn - 1, range.lastRow - 1);
}

short Sheet::Impl::index() const
{
    return Reference<css::sheet::XCellRangeAddressable>(sheet, UNO_QUERY_THROW)->getRangeAddress().Sheet;
}

Sheet::Sheet(std::shared_ptr<Impl> impl) : impl_(std::move(impl)) {}

QString Sheet::name() const
{
    return guarded(impl_->link(), QStringLiteral("leggere il nome del foglio"), [&] {
        return toQString(Reference<css::container::XNamed>(impl_->sheet, UNO_QUERY_THROW)->getName());
    });
}

void Sheet::rename(const QString& name)
{
    guarded(impl_->link(), QStringLiteral("rinominare il foglio in \"%1\"").arg(name), [&] {
        Reference<css::container::XNamed>(impl_->sheet, UNO_QUERY_THROW)->setName(toOUString(name));
    });
}

int Sheet::columnCount() const
{
    return guarded(impl_->link(), QStringLiteral("contare le colonne del foglio"), [&] {
        return int(Reference<css::sheet::XCellRangeAddressable>(impl_->sheet, UNO_QUERY_THROW)
                       ->getRangeAddress()
                       .EndColumn) + 1;
    });
}

Cell Sheet::cell(int row, int column) const
{
    return guarded(impl_->link(), QStringLiteral("leggere la cella %1").arg(cellName(row, column)),
                   [&] { return readCell(impl_->cellAt(row, column)); });
}

Cell Sheet::cell(const QString& a1) const
{
    const RangeAddress address = RangeAddress::parse(a1);
    return cell(address.firstRow, address.firstColumn);
}

QList<QList<Cell>> Sheet::cells(const RangeAddress& range) const
{
    return guarded(impl_->link(), QStringLiteral("leggere le celle %1").arg(rangeName(range)), [&] {
        auto cellRange = impl_->rangeAt(range);
        const auto data = Reference<css::sheet::XCellRangeData>(cellRange, UNO_QUERY_THROW)->getDataArray();
        const auto formulas = Reference<css::sheet::XCellRangeFormula>(cellRange, UNO_QUERY_THROW)->getFormulaArray();
        QList<QList<Cell>> rows;
        for (sal_Int32 r = 0; r < data.getLength(); ++r) {
            QList<Cell>& row = rows.emplace_back();
            for (sal_Int32 c = 0; c < data[r].getLength(); ++c) {
                row.append(batchCell(data[r][c], formulas[r][c],
                                     data[r][c].hasValue() ? Reference<XCell>() : cellRange->getCellByPosition(c, r)));
            }
        }
        return rows;
    });
}

QString Sheet::formula(int row, int column) const
{
    const QString doing = QStringLiteral("leggere la formula della cella %1").arg(cellName(row, column));
    return guarded(impl_->link(), doing, [&] {
        auto cell = impl_->cellAt(row, column);
        return cell->getType() == CellContentType_FORMULA ? toQString(cell->getFormula()) : QString();
    });
}

void Sheet::write(int row, int column, const CellInput& input)
{
    guarded(impl_->link(), QStringLiteral("scrivere la cella %1").arg(cellName(row, column)), [&] {
        auto cell = impl_->cellAt(row, column);
        switch (input.kind) {
        case CellInput::Kind::Nothing:
            cell->setFormula(OUString());
            break;
        case CellInput::Kind::Number:
            cell->setValue(input.number);
            break;
        case CellInput::Kind::Text:
            Reference<css::text::XText>(cell, UNO_QUERY_THROW)->setString(toOUString(input.text));
            break;
        case CellInput::Kind::FormulaR1C1: {
            const css::table::CellAddress address(impl_->index(), column - 1, row - 1);
            const auto tokens = impl_->book->parser()->parseFormula(toOUString(input.text), address);
            Reference<css::sheet::XFormulaTokens>(cell, UNO_QUERY_THROW)->setTokens(tokens);
            break;
        }
        }
    });
}

void Sheet::write(const QString& a1, const CellInput& input)
{
    const RangeAddress address = RangeAddress::parse(a1);
    write(address.firstRow, address.firstColumn, input);
}

} // namespace zuvo::sheet
