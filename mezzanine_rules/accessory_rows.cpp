#include "mezzanine_rules/accessory_rows.h"

#include "order_reading/article_lookup.h"

namespace zuvo::mezzanine {

void mergeAccessory(quote::ArticleList& list, const db::PriceList& priceList, const QString& code,
                    double quantity)
{
    if (code.isEmpty())
        return;
    if (const auto row = list.lastRowWithCode(code))
        list.atRow(*row).quantity += quantity;
    else
        appendAccessory(list, priceList, code, quantity);
}

void appendAccessory(quote::ArticleList& list, const db::PriceList& priceList, const QString& code,
                     double quantity)
{
    if (code.isEmpty())
        return;
    const quote::Accessory accessory = quote::lookupAccessory(priceList, code);
    quote::QuoteRow row;
    row.code = code;
    row.descr = accessory.descr;
    row.quantity = quantity;
    row.price = accessory.prList;
    list.append(row);
}

} // namespace zuvo::mezzanine
