#pragma once

#include "racking/family_list.h"
#include "racking/racking_run.h"

namespace zuvo::racking {

// The pallet racking rule chain for the line just added to the list: ANT marker, metre
// runs of "PASS" and "PARAP", the F08020/F08021 chosen accessory, or every accessory.
void applyPalletRules(RackingRun& run, FamilyList& list);

// Accessory quantities of pallet racking: by length and rounded when the line has one,
// else by quantity.
AccessoryQuantity palletAccessoryQuantity(double quantita, double lunghezza);

} // namespace zuvo::racking
