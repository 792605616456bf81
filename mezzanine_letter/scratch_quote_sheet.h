#pragma once

#include "database/price_list.h"
#include "mezzanine_letter/letter_values.h"
#include "order_reading/order_file.h"
#include "quote_run/quote_request.h"
#include "spreadsheet/sheet.h"

#include <QList>

namespace zuvo::letter {

// Computes the mezzanine quotation on the scratch quote sheet, the active sheet of an untitled
// copy of the quote template: the priced article list with its railing, gate and stair groups,
// their totals, the documentation fee, the terms and the closing texts. Returns what the
// covering letter reports. The request gives the customer, the discount, the transport amount
// and the assembly price per square metre. Closing the scratch sheet unsaved is the caller's.
// Throws zuvo::Failure when the office fails.
LetterValues fillScratchQuoteSheet(sheet::Sheet scratch, const db::PriceList& priceList,
                                   const QList<quote::OrderLine>& orders,
                                   const quote::QuoteRequest& request);

} // namespace zuvo::letter
