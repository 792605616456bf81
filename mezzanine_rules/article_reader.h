#pragma once

#include "database/price_list.h"
#include "mezzanine_rules/line_state.h"
#include "order_reading/order_file.h"
#include "quote_sheet/article_list.h"

#include <QList>
#include <QString>
#include <optional>

namespace zuvo::mezzanine {

// What the reading loop leaves for the rest of a run: the article list and the settings that
// the order lines gave.
struct ArticleReading {
    quote::ArticleList list{10};
    std::optional<double> areaTot;
    int sismico = 0;
    std::optional<int> suffissoXX;
    // The finished description of the last stair line.
    QString descScala;
};

// The reading loop: for every order line, the price-list lookup, its quote row and the rule
// that its code selects. Builds the article list in memory.
void readArticles(ArticleReading& reading, const db::PriceList& priceList,
                  const QList<quote::OrderLine>& orders, const CodeRules& rules);

} // namespace zuvo::mezzanine
