#pragma once

#include "quote_sheet/quote_row.h"
#include "racking/cantilever_state.h"

#include <QList>

namespace zuvo::racking {

// A galvanised cantilever list (one with an AAA line) is charged the hot-dip galvanising:
// appends the "ZINC" row, a rate by tier of the galvanised rows' quantity x price, sorted
// with key 96, and keeps the rate for the roof split. Without an AAA line the rate is 0.
void addZincSurcharge(CantileverState& state, QList<quote::QuoteRow>& rows);

} // namespace zuvo::racking
