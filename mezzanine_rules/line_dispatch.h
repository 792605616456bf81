#pragma once

#include "mezzanine_rules/line_state.h"

namespace zuvo::mezzanine {

// Runs the one rule that the line's code selects (exact, case-sensitive, whole code), after
// the line's quote row was appended to the list: setting codes, fixed-rule articles, stairs,
// "70000010", and the accessory expansion for every other code.
void applyCodeRule(LineState& state, const CodeRules& rules);

} // namespace zuvo::mezzanine
