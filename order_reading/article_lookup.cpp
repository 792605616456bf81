#include "order_reading/article_lookup.h"

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
    if (const QString problem = record->firstCountProblem(); !problem.isEmpty())
        throw Failure(problem);
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
        if (!record)
            continue;
        if (const QString problem = record->firstCountProblem(); !problem.isEmpty()) {
            throw failureBeforeAnythingUsed(problem + QStringLiteral(" Correggere il listino."));
        }
    }
}

std::int16_t sortKeyOf(const db::PriceRecord& record)
{
    const QString& problem = record.countProblems[5];
    if (!problem.isEmpty()) {
        throw Failure(problem
                      + QStringLiteral(" Correggere il listino: il preventivo non è stato "
                                       "completato e nessun file è stato consumato."));
    }
    return record.n[5];
}

Accessory lookupAccessory(const db::PriceList& priceList, const QString& code)
{
    const auto record = priceList.find(code);
    if (!record)
        return {kCodiceNonTrovato, 0, 0};
    return {record->descrizione, record->prezzo, record->prList};
}

} // namespace zuvo::quote
