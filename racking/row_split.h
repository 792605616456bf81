#pragma once

#include "racking/family_pricing.h"

namespace zuvo::racking {

// Moves `share` pieces of a row onto a copy of it and returns the copy. A row holding fewer
// pieces gives all it has and keeps 0: a split only moves pieces, it never adds any.
PricedRow splitOff(PricedRow& row, double share);

} // namespace zuvo::racking
