#pragma once

#include "racking/family_pricing.h"
#include "racking/racking_run.h"

#include <QList>

namespace zuvo::racking {

// Writes the priced drive-in list of a quote without other families as two sections, each
// under its total: the base supply ("TOTALE FORNITURA BASE") and the accessories ("TOTALE
// ACCESSORI"), to which the rows of "F0802022", "FM024197" and codes beginning "FM0284" or
// "FM0248" move, with the shares of "FM018014", "F1020045" and "F0284039" they call for.
// Long sections continue on further page blocks; the document-total box holds the sum of
// the two totals.
void writeDriveInRegrouping(RackingRun& run, const QList<PricedRow>& rows);

} // namespace zuvo::racking
