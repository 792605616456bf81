#include "quote_sheet/document_total_box.h"

#include "quote_sheet/boxes.h"
#include "quote_sheet/quote_row.h"

namespace zuvo::quote {

using sheet::CellInput;
using sheet::RangeAddress;

namespace {

void writeBox(sheet::Sheet& sheet, int labelRow, const CellInput& totalInput)
{
    const auto label = RangeAddress::cell(labelRow, kColAmount);
    const auto total = RangeAddress::cell(labelRow + 1, kColAmount);
    sheet.writeBlock(labelRow, kColAmount,
                     {{CellInput::of(QStringLiteral("TOTALE DOCUMENTO"))}, {totalInput}});
    sheet.setBold(RangeAddress::rows(labelRow, labelRow + 1, kColAmount, kColAmount), true);
    sheet.setHorizontalAlignment(label, sheet::HorizontalAlignment::Right);
    sheet.setNumberFormat(total, kDocumentTotalFormat);
    greyBox(sheet, RangeAddress::rows(labelRow, labelRow + 1, kColPrice, kColAmount));
}

} // namespace

void writeDocumentTotalBox(sheet::Sheet& sheet, int labelRow, const QString& sumR1C1)
{
    writeBox(sheet, labelRow, CellInput::value(sumR1C1));
}

void writeDocumentTotalBox(sheet::Sheet& sheet, int labelRow, double total)
{
    writeBox(sheet, labelRow, CellInput::of(total));
}

} // namespace zuvo::quote
