#pragma once

#include "mezzanine_costs/mezzanine_run.h"

namespace zuvo::mezzanine {

// The document-total box at rigaGruppo: the last mezzanine total plus the documentation fee,
// a live sum. The conditions block follows three rows lower.
void writeDocumentTotal(MezzanineRun& run);

} // namespace zuvo::mezzanine
