#pragma once

// Private to spreadsheet/: what the public handles hold.

#include "spreadsheet/clip.h"
#include "spreadsheet/sheet.h"
#include "spreadsheet/uno_bridge.h"
#include "spreadsheet/workbook.h"

#include <com/sun/star/datatransfer/XTransferable.hpp>
#include <com/sun/star/lang/XComponent.hpp>
#include <com/sun/star/sheet/XFormulaParser.hpp>
#include <com/sun/star/sheet/XSpreadsheet.hpp>
#include <com/sun/star/table/XCell.hpp>
#include <com/sun/star/table/XCellRange.hpp>
#include <com/sun/star/uno/XComponentContext.hpp>

namespace zuvo::sheet {

struct Workbook::Impl {
    // Declared first: the office's objects below are released before the link goes.
    std::shared_ptr<OfficeLink> link;
    Reference<css::uno::XComponentContext> context;
    Reference<css::lang::XComponent> document;
    // The document's runtime id in the office.
    QString id;
    // Created on the first R1C1 formula: parses Excel-style R1C1 texts into tokens.
    Reference<css::sheet::XFormulaParser> r1c1Parser;

    Reference<css::sheet::XFormulaParser> parser();
};

struct Sheet::Impl {
    std::shared_ptr<Workbook::Impl> book;
    Reference<css::sheet::XSpreadsheet> sheet;

    OfficeLink& link() const { return *book->link; }
    Reference<css::table::XCell> cellAt(int row, int column) const;
    Reference<css::table::XCellRange> rangeAt(const RangeAddress& range) const;
    // The sheet's position among the workbook's sheets (0-based).
    short index() const;
};

struct Clip::Impl {
    Reference<css::datatransfer::XTransferable> content;
    int rows = 0;
    int columns = 0;
};

// Gives `targetSheet` a new page style named after `styleName` (made unique in its document)
// with the settings of `sourceSheet`'s page style: margins, paper, header and footer.
void copyPageStyle(const Reference<css::lang::XComponent>& sourceDocument,
                   const Reference<css::sheet::XSpreadsheet>& sourceSheet,
                   const Reference<css::lang::XComponent>& targetDocument,
                   const Reference<css::sheet::XSpreadsheet>& targetSheet, const QString& styleName);

// "G", "AA" for columns 7 and 27; "G10" and "A1:G165" for addresses (all 1-based).
QString columnName(int column);
QString cellName(int row, int column);
QString rangeName(const RangeAddress& range);

} // namespace zuvo::sheet
