#pragma once

#include "database/price_list.h"
#include "mezzanine_costs/cost_sheet_body.h"
#include "quote_sheet/article_list.h"
#include "quote_sheet/article_lookup.h"
#include "quote_sheet/order_file.h"
#include "quote_sheet/pricing.h"
#include "spreadsheet/sheet.h"

#include <optional>

namespace zuvo::mezzanine {

// Which accessory groups a mezzanine quotation has; the covering letter reads them too.
struct GroupFlags {
    bool flgParapetti = false;
    bool flgCancelli = false;
    bool flgScale = false;
};

// The working state of one mezzanine quotation run, shared by the steps of the builder.
struct MezzanineRun {
    MezzanineRun(sheet::Sheet quoteSheet, db::PriceList prices)
        : sheet(std::move(quoteSheet)), priceList(std::move(prices))
    {
    }

    sheet::Sheet sheet;
    db::PriceList priceList;
    quote::ArticleList list{10};

    // The order line being read and what its lookup found.
    quote::OrderLine line;
    quote::Article article;

    // Settings read from the order-code file; each acts on the lines after it.
    std::optional<double> areaTot;
    int sismico = 0;
    std::optional<int> suffissoXX;

    // State of the reading rules: the finished description of the last stair line.
    QString descScala;

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
