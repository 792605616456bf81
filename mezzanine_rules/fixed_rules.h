#pragma once

#include "mezzanine_rules/line_state.h"

namespace zuvo::mezzanine {

// The articles that bring their accessories by a rule of their own: the railing "F0281714"
// and the area articles, whose measure is the mezzanine area. Returns false, changing
// nothing, for any other code.
bool applyFixedRule(LineState& state);

} // namespace zuvo::mezzanine
