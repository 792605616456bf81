#include "racking/family_list.h"

#include "common/rounding.h"

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

std::optional<qsizetype> FamilyList::search(const QString& code, bool includeCurrentRow) const
{
    const qsizetype end = includeCurrentRow ? rows_.size() : rows_.size() - 1;
    for (qsizetype i = end - 1; i >= 0; --i) {
        if (rows_[i].code == code)
            return i;
    }
    return std::nullopt;
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

void FamilyList::addToRow(const QString& code, const RowQuantity& quantity)
{
    if (const auto found = search(code, true))
        rows_[*found].quantity = quantity(rows_[*found].quantity);
    else
        newRow(code, quantity(0));
}

void FamilyList::addToAccessoryRow(const QString& code, double count,
                                   const AccessoryQuantity& quantity)
{
    addToRow(code, [&](double current) { return quantity(current, int(count)); });
}

void FamilyList::expandAccessories(const AccessoryQuantity& quantity)
{
    const auto codes = line_.article.cacc;
    const auto counts = line_.article.nAcc;
    for (int i = 1; counts[i] != 0; ++i)
        addToAccessoryRow(codes[i], counts[i], quantity);
}

void FamilyList::addAccessory(int element)
{
    const QString code = line_.article.cacc[element];
    const int count = line_.article.nAcc[element];
    if (code.isEmpty())
        return;
    addToAccessoryRow(code, count, byQuantity(line_.quantita));
}

void FamilyList::mergeMetreRun(const QString& target)
{
    if (line_.lunghezza == 0)
        return;
    const double metres = line_.quantita * line_.lunghezza;
    if (const auto found = search(target, false)) {
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
