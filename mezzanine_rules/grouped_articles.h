#pragma once

#include "quote_sheet/quote_row.h"

#include <QList>
#include <QString>

namespace zuvo::mezzanine {

// Rows taken out of the article list into one accessory group, in list order.
struct AccessoryGroup {
    QString totalLabel;
    QList<quote::QuoteRow> rows;
    // How many of the rows are the railing share split off an F0284044 row.
    int splitRows = 0;

    bool isEmpty() const { return rows.isEmpty(); }
};

// The article list with its railings, gates and stairs taken out.
struct GroupedArticles {
    QList<quote::QuoteRow> list;
    AccessoryGroup railings{QStringLiteral("TOTALE PARAPETTI"), {}, 0};
    AccessoryGroup gates{QStringLiteral("TOTALE CANCELLI"), {}, 0};
    AccessoryGroup stairs{QStringLiteral("TOTALE SCALE"), {}, 0};
};

// Groups a list sorted by code. An F0284044 row met after a railing row stays in the list but
// hands five per unit of the last F0284018 row met so far over to the railing group, as a
// copy of itself placed among the railings in list order.
GroupedArticles groupAccessories(const QList<quote::QuoteRow>& sorted);

} // namespace zuvo::mezzanine
