#include "quote_sheet/section_total.h"

#include "quote_sheet/quote_row.h"

namespace zuvo::quote {

using sheet::CellInput;
using sheet::RangeAddress;

void writeSectionTotal(sheet::Sheet& sheet, int row, const QString& label, const QString& sumR1C1)
{
    sheet.write(row, kColDescr, CellInput::of(label));
    sheet.write(row, kColAmount, CellInput::formula(sumR1C1));
    styleSectionTotal(sheet, row);
}

void styleSectionTotal(sheet::Sheet& sheet, int row)
{
    const auto label = RangeAddress::cell(row, kColDescr);
    sheet.setBold(label, true);
    sheet.setHorizontalAlignment(label, sheet::HorizontalAlignment::Left);
    sheet.setBold(RangeAddress::cell(row, kColAmount), true);
}

} // namespace zuvo::quote
