#pragma once

#include "racking/family_list.h"
#include "racking/racking_run.h"

namespace zuvo::racking {

// The sat-drive rule chain: the metre runs of "F0300070" and "F0300071"; the metre runs of
// "F0802560", "F0802570" and "F0802580", whose accessories are counted per metre, whole;
// the first accessory of codes beginning "F08020" or "F08021" (none after an ANT line of
// pallet racking); or every accessory by quantity.
void applySatDriveRules(const RackingRun& run, FamilyList& list);

} // namespace zuvo::racking
