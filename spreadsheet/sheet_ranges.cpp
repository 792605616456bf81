#include "spreadsheet/clip.h"
#include "spreadsheet/sheet.h"

#include "spreadsheet/impl.h"

#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/datatransfer/XTransferableSupplier.hpp>
#include <com/sun/star/frame/XController.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/sheet/CellFlags.hpp>
#include <com/sun/star/sheet/XCellRangeAddressable.hpp>
#include <com/sun/star/sheet/XCellRangeMovement.hpp>
#include <com/sun/star/sheet/XSheetCellCursor.hpp>
#include <com/sun/star/sheet/XSheetOperation.hpp>
#include <com/sun/star/sheet/XUsedAreaCursor.hpp>
#include <com/sun/star/table/TableSortField.hpp>
#include <com/sun/star/table/XColumnRowRange.hpp>
#include <com/sun/star/table/XTableRows.hpp>
#include <com/sun/star/util/XSortable.hpp>
#include <com/sun/star/view/XSelectionSupplier.hpp>

namespace zuvo::sheet {
namespace {

using css::uno::Sequence;

css::table::CellRangeAddress unoAddress(short sheet, const RangeAddress& range)
{
    return css::table::CellRangeAddress(sheet, range.firstColumn - 1, range.firstRow - 1,
                                        range.lastColumn - 1, range.lastRow - 1);
}

Reference<css::table::XTableRows> rowsOf(const Sheet::Impl& impl)
{
    return Reference<css::table::XColumnRowRange>(impl.sheet, UNO_QUERY_THROW)->getRows();
}

// The last column that holds anything: copying whole rows beyond it costs time for nothing.
sal_Int32 lastUsedColumn(const Sheet::Impl& impl)
{
    auto cursor = impl.sheet->createCursor();
    Reference<css::sheet::XUsedAreaCursor>(cursor, UNO_QUERY_THROW)->gotoEndOfUsedArea(false);
    return Reference<css::sheet::XCellRangeAddressable>(cursor, UNO_QUERY_THROW)
        ->getRangeAddress()
        .EndColumn;
}

Reference<css::beans::XPropertySet> rowAt(const Sheet::Impl& impl, int row)
{
    return Reference<css::beans::XPropertySet>(rowsOf(impl)->getByIndex(row - 1), UNO_QUERY_THROW);
}

// Copy and paste go through the document's view, as a user's would: the clipboard content
// is a document of its own, so it outlives the workbook it came from and keeps formats.
Reference<css::frame::XController> selectInView(const Sheet::Impl& impl,
                                                const Reference<css::table::XCellRange>& cells)
{
    auto controller = Reference<css::frame::XModel>(impl.book->document, UNO_QUERY_THROW)
                          ->getCurrentController();
    Reference<css::view::XSelectionSupplier>(controller, UNO_QUERY_THROW)->select(Any(cells));
    return controller;
}

Sequence<css::beans::PropertyValue> sortDescriptor(sal_Int32 keyField)
{
    Sequence<css::table::TableSortField> fields(1);
    auto& field = fields.getArray()[0];
    field.Field = keyField;
    field.IsAscending = true;
    field.IsCaseSensitive = false;
    Sequence<css::beans::PropertyValue> descriptor(3);
    auto* property = descriptor.getArray();
    property[0].Name = "SortFields";
    property[0].Value <<= fields;
    property[1].Name = "ContainsHeader";
    property[1].Value <<= false;
    property[2].Name = "IsSortColumns";
    property[2].Value <<= false;
    return descriptor;
}

} // namespace

Clip::Clip(std::shared_ptr<Impl> impl) : impl_(std::move(impl)) {}

int Clip::rowCount() const
{
    return impl_->rows;
}

int Clip::columnCount() const
{
    return impl_->columns;
}

void Sheet::sortRows(const RangeAddress& range, int keyColumn)
{
    if (keyColumn < range.firstColumn || keyColumn > range.lastColumn)
        throw Failure(QStringLiteral("La colonna %1 non fa parte dell'intervallo %2 da ordinare.")
                          .arg(columnName(keyColumn), rangeName(range)));
    guarded(impl_->link(), QStringLiteral("ordinare le righe %1").arg(rangeName(range)), [&] {
        Reference<css::util::XSortable>(impl_->rangeAt(range), UNO_QUERY_THROW)
            ->sort(sortDescriptor(keyColumn - range.firstColumn));
    });
}

Clip Sheet::copy(const RangeAddress& range) const
{
    return guarded(impl_->link(), QStringLiteral("copiare le celle %1").arg(rangeName(range)), [&] {
        auto controller = selectInView(*impl_, impl_->rangeAt(range));
        auto content = Reference<css::datatransfer::XTransferableSupplier>(controller, UNO_QUERY_THROW)
                           ->getTransferable();
        if (!content.is())
            throw Failure(QStringLiteral("LibreOffice non ha copiato le celle %1.").arg(rangeName(range)));
        return Clip(std::make_shared<Clip::Impl>(
            Clip::Impl{content, range.rowCount(), range.columnCount()}));
    });
}

void Sheet::paste(const Clip& clip, int row, int column)
{
    const QString doing = QStringLiteral("incollare le celle in %1").arg(cellName(row, column));
    guarded(impl_->link(), doing, [&] {
        auto controller = selectInView(*impl_, impl_->rangeAt(RangeAddress::cell(row, column)));
        Reference<css::datatransfer::XTransferableSupplier>(controller, UNO_QUERY_THROW)
            ->insertTransferable(clip.impl_->content);
    });
}

void Sheet::move(const RangeAddress& range, int toRow, int toColumn)
{
    guarded(impl_->link(), QStringLiteral("spostare le celle %1").arg(rangeName(range)), [&] {
        const short sheet = impl_->index();
        Reference<css::sheet::XCellRangeMovement>(impl_->sheet, UNO_QUERY_THROW)
            ->moveRange(css::table::CellAddress(sheet, toColumn - 1, toRow - 1), unoAddress(sheet, range));
    });
}

void Sheet::copyRows(int firstRow, int lastRow, int toRow)
{
    const QString doing = QStringLiteral("copiare le righe %1-%2").arg(firstRow).arg(lastRow);
    guarded(impl_->link(), doing, [&] {
        auto whole = Reference<css::sheet::XCellRangeAddressable>(impl_->sheet, UNO_QUERY_THROW)
                         ->getRangeAddress();
        whole.StartRow = firstRow - 1;
        whole.EndRow = lastRow - 1;
        whole.EndColumn = lastUsedColumn(*impl_);
        Reference<css::sheet::XCellRangeMovement>(impl_->sheet, UNO_QUERY_THROW)
            ->copyRange(css::table::CellAddress(whole.Sheet, 0, toRow - 1), whole);
    });
}

void Sheet::deleteRows(int firstRow, int count)
{
    guarded(impl_->link(), QStringLiteral("eliminare le righe dalla %1").arg(firstRow),
            [&] { rowsOf(*impl_)->removeByIndex(firstRow - 1, count); });
}

void Sheet::insertRows(int beforeRow, int count)
{
    guarded(impl_->link(), QStringLiteral("inserire righe prima della riga %1").arg(beforeRow),
            [&] { rowsOf(*impl_)->insertByIndex(beforeRow - 1, count); });
}

void Sheet::clearContents(const RangeAddress& range)
{
    namespace flags = css::sheet::CellFlags;
    guarded(impl_->link(), QStringLiteral("svuotare le celle %1").arg(rangeName(range)), [&] {
        Reference<css::sheet::XSheetOperation>(impl_->rangeAt(range), UNO_QUERY_THROW)
            ->clearContents(flags::VALUE | flags::DATETIME | flags::STRING | flags::FORMULA
                            | flags::ANNOTATION);
    });
}

void Sheet::setPageBreakBefore(int row)
{
    guarded(impl_->link(), QStringLiteral("inserire un'interruzione di pagina alla riga %1").arg(row),
            [&] { rowAt(*impl_, row)->setPropertyValue("IsStartOfNewPage", Any(true)); });
}

bool Sheet::hasPageBreakBefore(int row) const
{
    const QString doing = QStringLiteral("leggere le interruzioni di pagina alla riga %1").arg(row);
    return guarded(impl_->link(), doing, [&] {
        bool manual = false;
        rowAt(*impl_, row)->getPropertyValue("IsManualPageBreak") >>= manual;
        return manual;
    });
}

} // namespace zuvo::sheet
