#pragma once

#include "racking/family_list.h"

namespace zuvo::racking {

// The stairs "SCALA800", "SCALA1000" and "SCALA1200": their measure field packs the height
// in centimetres (5 characters), the type (1) and the steps (2). The row is described by
// height, steps and landings and priced per piece: steps x the price of a step plus the
// landing surcharges. Any other code beginning "SCA" keeps its row.
void applyStairRule(FamilyList& list);

} // namespace zuvo::racking
