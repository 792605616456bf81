#pragma once

#include "mezzanine_costs/mezzanine_run.h"

namespace zuvo::mezzanine {

// The fee row "DOCUMENTAZIONE PER DEPOSITO" two rows under the last mezzanine total, its note
// "(Prove sui materiali escluse)" under it; rigaProve is the note's row.
void addDocumentationFee(MezzanineRun& run);

} // namespace zuvo::mezzanine
