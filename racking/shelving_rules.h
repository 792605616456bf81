#pragma once

#include "racking/family_list.h"

namespace zuvo::racking {

// The light shelving rule chain: the rules shared with pallet racking, else every accessory
// by quantity, whatever the line's length. ANT and F08020/F08021 lines are ordinary here.
void applyShelvingRules(FamilyList& list);

} // namespace zuvo::racking
