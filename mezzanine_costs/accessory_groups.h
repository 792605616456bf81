#pragma once

#include "mezzanine_costs/mezzanine_run.h"
#include "mezzanine_rules/grouped_articles.h"

namespace zuvo::mezzanine {

// The accessory groups of the cost sheet: the run's article list keeps what is left, the
// group flags say which groups exist, and the body holds the list followed, three rows
// lower, by every group that is not empty with its section total.
void formAccessoryGroups(MezzanineRun& run);

} // namespace zuvo::mezzanine
