#pragma once

#include "racking/racking_run.h"
#include "spreadsheet/office.h"

namespace zuvo::racking {

// The terms of sale two rows below the document total, ending on the last row of its page
// block; the price is NETTO when anything was typed in the discount box, else LISTINO.
void writeConditionsBlock(RackingRun& run);

// The general conditions from "Condizioni.xlsx", pasted on the next page block.
void addGeneralConditionsPage(RackingRun& run, sheet::Office& office);

} // namespace zuvo::racking
