#pragma once

#include "order_reading/order_file.h"
#include "quote_sheet/quote_row.h"
#include "racking/family.h"
#include "racking/racking_run.h"

#include <QList>

namespace zuvo::racking {

// Turns a family's order lines into its article list: one base row per line from the price
// list, reworked line by line by the family's rules.
QList<quote::QuoteRow> readFamilyList(RackingRun& run, Family family,
                                      const QList<quote::OrderLine>& orders);

} // namespace zuvo::racking
