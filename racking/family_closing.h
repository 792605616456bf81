#pragma once

#include "racking/family_pricing.h"
#include "racking/racking_run.h"

#include <QList>

namespace zuvo::racking {

// Writes a priced family list from page row 10 of the current page block, continued over
// further blocks when it is longer than its page allows, and closes it: in a quote of
// several families with its section total row (and a continuation page when a family is
// still to come), alone with the document-total box; drive-in alone is regrouped instead.
void writeAndCloseFamily(RackingRun& run, Family family, const QList<PricedRow>& rows);

// The document-total box of a quote of several families: the sum of the family total rows.
// Nothing when fewer than two families are quoted.
void writeDocumentTotalOverFamilies(RackingRun& run);

} // namespace zuvo::racking
