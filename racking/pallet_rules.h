#pragma once

#include "racking/family_list.h"
#include "racking/racking_run.h"

namespace zuvo::racking {

// The pallet racking rule chain for the line just added to the list: ANT marker, the rules
// shared with light shelving, the F08020/F08021 chosen accessory, or every accessory.
void applyPalletRules(RackingRun& run, FamilyList& list);

// The rules pallet racking and light shelving share, chosen by the code's first three
// characters: metre runs of "PASS" and "PARAP", the gate rename, kits and stairs. False when
// the code has none of their prefixes.
bool applyRackingCodeRule(FamilyList& list);

// Codes beginning "F08020" or "F08021", which take one accessory of their record.
bool takesOneAccessory(const QString& codice);

// The drive-in and sat-drive form of that accessory: the first, unless pallet racking read
// an ANT line.
void addFirstAccessory(const RackingRun& run, FamilyList& list);

// Accessory quantities of pallet racking: by length and rounded when the line has one,
// else by quantity.
quote::AccessoryQuantity palletAccessoryQuantity(double quantita, double lunghezza);

} // namespace zuvo::racking
