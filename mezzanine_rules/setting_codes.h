#pragma once

#include "mezzanine_rules/line_state.h"

namespace zuvo::mezzanine {

// The pseudo-codes that carry a setting for the lines after them: "0SISM" (seismic mode),
// "AREATOT" (the mezzanine area, when the rules have it), "00000000" and "00000001" (the XX
// selector, replaced by their two accessories). Returns false, changing nothing, for any
// other code.
bool applySettingCode(LineState& state, const CodeRules& rules);

} // namespace zuvo::mezzanine
