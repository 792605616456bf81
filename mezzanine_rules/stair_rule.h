#pragma once

#include "mezzanine_rules/line_state.h"

namespace zuvo::mezzanine {

// The stair codes "SCALA800", "SCALA1000" and "SCALA1200": the measure field packs the stair
// type (characters 1 to 6, giving the landings) and the number of steps (characters 7 and 8).
// The line's row gets the steps and landings in its description, no measure, and the price of
// the steps plus the landing surcharges; in seismic mode, when the rules say so, 12 % more.
// Keeps the row's description in descScala. Returns false, changing nothing, for any other code.
bool applyStairRule(LineState& state, const CodeRules& rules);

} // namespace zuvo::mezzanine
