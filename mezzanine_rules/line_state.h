#pragma once

#include "database/price_list.h"
#include "order_reading/article_lookup.h"
#include "order_reading/order_file.h"
#include "quote_sheet/article_list.h"

#include <QString>
#include <optional>

namespace zuvo::mezzanine {

// What the code rules of one order line read and change. The line's quote row is the last row
// of the list when a rule starts; rows a rule adds are appended below it. The settings refer to
// the run's own, so that a setting acts on every later line.
struct LineState {
    quote::ArticleList& list;
    const db::PriceList& priceList;
    const quote::OrderLine& line;
    const quote::Article& article;

    int& sismico;
    std::optional<double>& areaTot;
    std::optional<int>& suffissoXX;
    // The finished description of the last stair line read.
    QString& descScala;
};

// Where the two mezzanine builders differ in their code rules.
struct CodeRules {
    // "AREATOT" sets the area; without it, it is an ordinary article code.
    bool areaTotCode = true;
    // Stairs cost 12 % more in seismic mode.
    bool seismicStairSurcharge = true;
};

inline constexpr CodeRules kMordiskRules{true, true};
inline constexpr CodeRules kPellanorRules{false, false};

} // namespace zuvo::mezzanine
