#pragma once

#include "database/price_list.h"
#include "quote_sheet/article_list.h"
#include "quote_sheet/row_by_code.h"

#include <QString>

namespace zuvo::mezzanine {

// The maker of accessory rows: code, its description and list price, quantity, no measure.
quote::NewRow accessoryRowMaker(const db::PriceList& priceList);

// Accessory merge: adds the quantity to the last list row with exactly this code, or, when the
// list has none, appends an accessory row for it. An empty code is no accessory: nothing changes.
// True when a row was appended.
bool mergeAccessory(quote::ArticleList& list, const db::PriceList& priceList, const QString& code,
                    double quantity);

// Appends an accessory row whether or not the list already holds the code. An empty code adds
// nothing.
void appendAccessory(quote::ArticleList& list, const db::PriceList& priceList, const QString& code,
                     double quantity);

} // namespace zuvo::mezzanine
