#pragma once

#include "racking/family_list.h"

namespace zuvo::racking {

// The sliding gates "F0281805" and "F0281810" ordered with a length are quoted as
// "F02818XX", described by their opening in centimetres, priced per piece. Any other code
// beginning "F02" keeps its row.
void renameGate(FamilyList& list);

// True for the codes of kits ("P2C", "D2C", "PZE"), whose accessories are their components.
bool isKit(const QString& codice);

// Replaces the kit line by its components, N x the kit quantity each, added to the last row
// of the component's code or written as a row of its own (the kit's row first). A kit whose
// first count is 0 keeps its row.
void substituteKit(FamilyList& list);

} // namespace zuvo::racking
