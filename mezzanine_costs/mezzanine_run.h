#pragma once

#include "database/price_list.h"
#include "mezzanine_costs/cost_sheet_body.h"
#include "mezzanine_rules/article_reader.h"
#include "quote_sheet/pricing.h"
#include "spreadsheet/sheet.h"

namespace zuvo::mezzanine {

// Which accessory groups a mezzanine quotation has; the covering letter reads them too.
struct GroupFlags {
    bool flgParapetti = false;
    bool flgCancelli = false;
    bool flgScale = false;
};

// The working state of one mezzanine quotation run, shared by the steps of the builder: what
// the reading loop leaves, and the cost sheet built from it.
struct MezzanineRun : ArticleReading {
    MezzanineRun(sheet::Sheet quoteSheet, db::PriceList prices)
        : sheet(std::move(quoteSheet)), priceList(std::move(prices))
    {
    }

    sheet::Sheet sheet;
    db::PriceList priceList;

    // First row of the current page block.
    int rigaPagina = 1;

    // The discount of the pricing pass, kept by every article row the closing rewrites.
    quote::Discount discount;
    // Which accessory groups the cost sheet has.
    GroupFlags flags;
    // The list, groups, totals and fee, in memory until the page layout writes them.
    CostSheetBody body;
};

} // namespace zuvo::mezzanine
