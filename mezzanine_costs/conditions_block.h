#pragma once

#include "mezzanine_costs/mezzanine_run.h"
#include "spreadsheet/office.h"

namespace zuvo::mezzanine {

// The terms of sale from rigaGruppo, ending on the last row of the page block, then the
// general conditions of sale from the first row of the next block (rigaPagina afterwards).
void writeConditions(MezzanineRun& run, sheet::Office& office);

} // namespace zuvo::mezzanine
