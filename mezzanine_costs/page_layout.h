#pragma once

#include "mezzanine_costs/mezzanine_run.h"

namespace zuvo::mezzanine {

// Lays the body out on the page blocks and writes it. On one page the template's borders
// stay. A longer sheet continues on further blocks: every further block repeats the first
// one's page header and column headings over a ruled body, and the blocks it continues from
// say "segue...". Afterwards the body's rows are sheet rows, rigaPagina is the last block's
// first row and rigaGruppo the row of the document total.
void layOutPages(MezzanineRun& run);

} // namespace zuvo::mezzanine
