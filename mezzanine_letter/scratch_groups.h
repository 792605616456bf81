#pragma once

#include "mezzanine_letter/scratch_run.h"

namespace zuvo::letter {

// The railing, gate and stair groups under the sorted list, each closed by its total written
// as a number, then "TOTALE SOPPALCO" under what is left of the list and, when any group
// exists, "TOTALE GENERALE" as a number. Gathers the amounts, the gates counted by rows and
// the vertical bracing for the letter. Afterwards rigaGruppo is the row of the last total.
void formScratchGroups(ScratchRun& run);

} // namespace zuvo::letter
