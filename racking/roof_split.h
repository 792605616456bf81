#pragma once

#include "racking/family_pricing.h"
#include "racking/racking_run.h"

#include <QList>

namespace zuvo::racking {

// Closes a cantilever list that is the only family. With a roof (a BT line) the list is
// split: the cantilever proper under "TOTALE CANTILEVER", then the roof block (the lowest BT
// row and every row sorted after it) with its share of the SP2/SP3 pins and of the zinc
// surcharge under "TOTALE ACCESSORI COPERTURA", and the document-total box sums the two
// totals. Without a roof the box sums the list. Lines that do not fit their page continue
// on the next page block.
void closeCantileverAlone(RackingRun& run, const QList<PricedRow>& rows);

} // namespace zuvo::racking
