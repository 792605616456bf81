#pragma once

#include "database/price_list.h"
#include "mezzanine_letter/letter_values.h"
#include "quote_sheet/customer_header.h"
#include "quote_sheet/order_file.h"
#include "spreadsheet/sheet.h"

#include <QList>
#include <QString>

namespace zuvo::letter {

// The window's price boxes as typed.
struct PriceBoxes {
    QString sconto;     // discount percent; one blank for none
    QString trasporto;  // transport amount; one blank as the window opens
    QString montaggio;  // assembly price per square metre; empty as the window opens
};

// Computes the mezzanine quotation on the scratch quote sheet, the active sheet of an untitled
// copy of the quote template, and returns what the covering letter reports: the priced
// article list with its railing, gate and stair groups, their totals, the documentation fee,
// the terms and the closing texts. Saving and closing the scratch sheet are the caller's.
// Throws zuvo::Failure when the office fails.
LetterValues fillScratchQuoteSheet(sheet::Sheet scratch, const db::PriceList& priceList,
                                   const QList<quote::OrderLine>& orders,
                                   const quote::Customer& customer, const PriceBoxes& boxes);

} // namespace zuvo::letter
