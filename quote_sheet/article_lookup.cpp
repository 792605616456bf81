#include "quote_sheet/article_lookup.h"

#include "common/failure.h"

namespace zuvo::quote {

Article lookupArticle(const db::PriceList& priceList, const QString& code)
{
    Article article;
    const auto record = priceList.find(code);
    if (!record) {
        article.descr = kCodiceNonTrovato;
        return article;
    }
    if (!record->countProblem.isEmpty())
        throw Failure(record->countProblem);
    article.found = true;
    article.descr = record->descrizione;
    article.prezzo = record->prezzo;
    article.prList = record->prList;
    for (int i = 0; i < 6; ++i) {
        article.cacc[i + 1] = record->cacc[i];
        article.nAcc[i + 1] = record->n[i];
    }
    return article;
}

void requireUsableRecords(const db::PriceList& priceList, const QList<OrderLine>& orders)
{
    for (const OrderLine& order : orders) {
        const auto record = priceList.find(order.codice);
        if (record && !record->countProblem.isEmpty()) {
            throw Failure(record->countProblem
                          + QStringLiteral(" Correggere il listino: nessun preventivo è stato "
                                           "generato e nessun file è stato consumato."));
        }
    }
}

Accessory lookupAccessory(const db::PriceList& priceList, const QString& code)
{
    const auto record = priceList.find(code);
    if (!record)
        return {kCodiceNonTrovato, 0, 0};
    return {record->descrizione, record->prezzo, record->prList};
}

} // namespace zuvo::quote
