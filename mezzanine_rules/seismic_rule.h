#pragma once

#include "mezzanine_rules/line_state.h"

namespace zuvo::mezzanine {

// The article "70000010": its first accessory outside seismic mode; in seismic mode its second,
// and, when that second one is new to the list, its third at one piece per 25 of the second
// plus one. Returns false, changing nothing, for any other code.
bool applySeismicRule(LineState& state);

} // namespace zuvo::mezzanine
