#pragma once

#include "mezzanine_letter/scratch_run.h"

namespace zuvo::letter {

// Closes the scratch sheet under its last total: the documentation fee, the page break when
// the fee falls at the foot of the first page, the terms with the transport, assembly and
// safety charges the request asks for, and the closing texts. Gathers the fee and the three
// charges for the letter.
void closeScratchSheet(ScratchRun& run);

} // namespace zuvo::letter
