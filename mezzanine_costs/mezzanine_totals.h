#pragma once

#include "mezzanine_costs/mezzanine_run.h"

namespace zuvo::mezzanine {

// The mezzanine totals: "TOTALE SOLO SOPPALCO" two rows under the list that is left, and,
// when any accessory group exists, "TOTALE SOPPALCO COMPLETO" two rows under the last group
// total, adding up exactly the total rows above it. The last of them is rigaTotComplessivo.
void addMezzanineTotals(MezzanineRun& run);

} // namespace zuvo::mezzanine
