#pragma once

#include "mezzanine_costs/cost_sheet_body.h"
#include "mezzanine_costs/page_blocks.h"
#include "quote_sheet/pricing.h"
#include "spreadsheet/sheet.h"

namespace zuvo::mezzanine {

// The amount formula of a total at body row `bodyRow`, over the sheet rows where the rows it
// adds landed. A range that a page break cuts keeps its two ends where they landed, as a cut
// and paste of the rows below the first block leaves it: the rows between hold no amounts.
QString sumFormula(const AmountSum& sum, int bodyRow, const PageBlocks& blocks);

// Writes the body onto its page blocks: every line in columns A to G with the styles of its
// kind, "segue..." on every block the body continues from, and the rows the sorted list
// took before that the body no longer fills emptied. Articles get `discount` and their
// amount formula.
void writeBody(sheet::Sheet& sheet, const CostSheetBody& body, const PageBlocks& blocks,
               const quote::Discount& discount);

} // namespace zuvo::mezzanine
