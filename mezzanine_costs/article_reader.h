#pragma once

#include "mezzanine_costs/mezzanine_run.h"

#include <QList>

namespace zuvo::mezzanine {

// The reading loop: for every order line, the price-list lookup, its quote row and the rule
// that its code selects. Builds the article list in memory.
void readArticles(MezzanineRun& run, const QList<quote::OrderLine>& orders);

} // namespace zuvo::mezzanine
