#pragma once

#include "mezzanine_costs/mezzanine_run.h"

#include <optional>

namespace zuvo::mezzanine {

// The documentation fee for a mezzanine of `areaTot` square metres (none counts as 0): 550
// under 50 m²; above, the rate of the area's band times the area, charged as computed when
// it rounds to a multiple of 50, else raised to the next multiple of 50.
double documentationFee(std::optional<double> areaTot);

// The fee row "DOCUMENTAZIONE PER DEPOSITO" two rows under the last mezzanine total, its note
// "(Prove sui materiali escluse)" under it; rigaProve is the note's row.
void addDocumentationFee(MezzanineRun& run);

} // namespace zuvo::mezzanine
