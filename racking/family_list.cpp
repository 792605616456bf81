#include "racking/family_list.h"

#include "common/rounding.h"

#include <functional>

namespace zuvo::racking {

using quote::QuoteRow;

void FamilyList::addLine(const quote::OrderLine& order)
{
    line_.codice = order.codice;
    line_.campoMisura = order.campoMisura;
    line_.lunghezza = roundHalfEven2(order.misura);
    line_.quantita = order.quantita;
    line_.article = quote::lookupArticle(priceList_, order.codice);
    sortKey_ = line_.article.nAcc[6];

    QuoteRow row;
    row.code = line_.codice;
    row.descr = line_.article.descr;
    row.quantity = line_.quantita;
    row.measure = line_.lunghezza;
    row.price = line_.article.prezzo;
    row.sortKey = sortKey_;
    rows_.append(row);
}

std::optional<qsizetype> FamilyList::search(const QString& code, quote::SearchRange range) const
{
    return quote::lastIndexOfCode(rows_, code, range);
}

void FamilyList::deleteLine()
{
    rows_.removeLast();
}

QuoteRow FamilyList::lookedUpRow(const QString& code, double quantity)
{
    QuoteRow row;
    row.code = code;
    row.quantity = quantity;
    if (const auto record = priceList_.find(code)) {
        row.descr = record->descrizione;
        row.price = record->prezzo;
        sortKey_ = quote::sortKeyOf(*record);
    } else {
        row.descr = quote::kCodiceNonTrovato;
    }
    row.sortKey = sortKey_;
    return row;
}

void FamilyList::newRow(const QString& code, double quantity)
{
    rows_.append(lookedUpRow(code, quantity));
}

void FamilyList::replaceLine(const QString& code, double quantity)
{
    rows_.last() = lookedUpRow(code, quantity);
}

void FamilyList::addToRow(const QString& code, const quote::RowQuantity& quantity)
{
    quote::addToCodeRow(rows_, code, quantity, std::bind_front(&FamilyList::lookedUpRow, this));
}

void FamilyList::expandAccessories(const quote::AccessoryQuantity& quantity)
{
    quote::walkAccessories(rows_, line_.article.cacc, line_.article.nAcc, {
        .quantity = quantity,
        .newRow = std::bind_front(&FamilyList::lookedUpRow, this),
    });
}

void FamilyList::addAccessory(int element)
{
    const int count = line_.article.nAcc[element];
    const double quantita = line_.quantita;
    addToRow(line_.article.cacc[element],
             [count, quantita](double current) { return current + count * quantita; });
}

void FamilyList::mergeMetreRun(const QString& target)
{
    if (line_.lunghezza == 0)
        return;
    const double metres = line_.quantita * line_.lunghezza;
    if (const auto found = search(target, quote::SearchRange::BeforeLastRow)) {
        QuoteRow& run = rows_[*found];
        if (!run.hasMeasure())
            return;
        run.measure = run.quantity * run.measure + metres;
        run.quantity = 1;
        deleteLine();
        return;
    }
    // Even 0 metres make the run's row, so later lines of the code fold into it.
    QuoteRow& own = rows_.last();
    own.quantity = 1;
    own.measure = metres;
    own.numericMeasure = true;
}

} // namespace zuvo::racking
