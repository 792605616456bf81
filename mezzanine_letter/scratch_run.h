#pragma once

#include "database/price_list.h"
#include "mezzanine_letter/letter_values.h"
#include "mezzanine_rules/article_reader.h"
#include "quote_run/quote_request.h"
#include "quote_sheet/pricing.h"
#include "spreadsheet/sheet.h"

namespace zuvo::letter {

// The working state of one scratch quote sheet, shared by its steps: what the reading loop
// leaves, the sheet's rows, and the values gathered for the letter.
struct ScratchRun : mezzanine::ArticleReading {
    ScratchRun(sheet::Sheet scratch, const db::PriceList& prices, const quote::QuoteRequest& quoteRequest)
        : sheet(std::move(scratch)), priceList(prices), request(quoteRequest)
    {
    }

    sheet::Sheet sheet;
    const db::PriceList& priceList;
    const quote::QuoteRequest& request;
    quote::Discount discount;

    // Whether the gate group has rows; the letter counts its gates instead.
    bool flgCancelli = false;
    // The row the next closing element is placed from.
    int rigaGruppo = 0;
    LetterValues values;
};

} // namespace zuvo::letter
