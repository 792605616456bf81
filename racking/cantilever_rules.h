#pragma once

#include "racking/cantilever_state.h"
#include "racking/family_list.h"

namespace zuvo::racking {

// The cantilever rule chain for the line just added to the list: the column state of CB, CM
// and BT lines, then the POM accessories sized by it, the COLMTT and LAMTTCL metre runs, the
// AAA marker, the PIA sheets, or every accessory by quantity.
void applyCantileverRules(CantileverState& state, FamilyList& list);

} // namespace zuvo::racking
