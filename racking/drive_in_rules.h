#pragma once

#include "racking/family_list.h"
#include "racking/racking_run.h"

namespace zuvo::racking {

// The drive-in rule chain: the metre runs of "F0271010", "F0271016" and "FM024197", the
// "F0271017" row priced by its measure in millimetres, the first accessory of codes
// beginning "F0802" (none after an ANT line of pallet racking), or every accessory by
// quantity.
void applyDriveInRules(const RackingRun& run, FamilyList& list);

} // namespace zuvo::racking
