#include "mezzanine_rules/accessory_rows.h"

#include "order_reading/article_lookup.h"

namespace zuvo::mezzanine {

quote::NewRow accessoryRowMaker(const db::PriceList& priceList)
{
    return [&priceList](const QString& code, double quantity) {
        const quote::Accessory accessory = quote::lookupAccessory(priceList, code);
        quote::QuoteRow row;
        row.code = code;
        row.descr = accessory.descr;
        row.quantity = quantity;
        row.price = accessory.prList;
        return row;
    };
}

bool mergeAccessory(quote::ArticleList& list, const db::PriceList& priceList, const QString& code,
                    double quantity)
{
    return quote::addToCodeRow(
        list.rows(), code, [quantity](double current) { return current + quantity; },
        accessoryRowMaker(priceList));
}

void appendAccessory(quote::ArticleList& list, const db::PriceList& priceList, const QString& code,
                     double quantity)
{
    if (!code.isEmpty())
        list.append(accessoryRowMaker(priceList)(code, quantity));
}

} // namespace zuvo::mezzanine
