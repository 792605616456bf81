#include "database/price_list.h"

#include "common/failure.h"
#include "common/rounding.h"
#include "database/database.h"
#include "database/sql_access.h"

#include <QVariant>

namespace zuvo::db {

PriceList::PriceList(QList<PriceRecord> records) : records_(std::move(records))
{
    for (qsizetype i = 0; i < records_.size(); ++i) {
        if (!firstByCode_.contains(records_[i].codice))
            firstByCode_.insert(records_[i].codice, i);
    }
}

std::optional<PriceRecord> PriceList::find(const QString& codice) const
{
    const auto found = firstByCode_.constFind(codice);
    if (found == firstByCode_.constEnd())
        return std::nullopt;
    return records_[*found];
}

namespace {

QString tableName(PriceTable table)
{
    return table == PriceTable::Listino ? QStringLiteral("Listino") : QStringLiteral("ListinoScaff");
}

// Listino carries the list price where ListinoScaff carries the weight.
QString secondNumberColumn(PriceTable table)
{
    return table == PriceTable::Listino ? QStringLiteral("PrList") : QStringLiteral("Peso");
}

// Reads N1..N6; a count out of range is kept as that count's problem, not thrown, so one
// bad count does not block the quotations that never use it.
void readCounts(const QSqlQuery& query, PriceTable table, PriceRecord& record)
{
    for (int i = 0; i < 6; ++i) {
        const QVariant value = query.value(10 + i);
        try {
            record.n[i] = toInt16HalfEven(value.toDouble());
        } catch (const Failure&) {
            record.countProblems[i] =
                QStringLiteral("Nella tabella %1 il codice \"%2\" ha N%3 = %4, fuori "
                               "dall'intervallo -32768..32767.")
                    .arg(tableName(table), record.codice, QString::number(i + 1),
                         value.toString());
        }
    }
}

PriceRecord recordAt(const QSqlQuery& query, PriceTable table)
{
    PriceRecord record;
    record.codice = query.value(0).toString();
    record.descrizione = query.value(1).toString();
    record.prezzo = query.value(2).toDouble();
    const double secondNumber = query.value(3).toDouble();
    (table == PriceTable::Listino ? record.prList : record.peso) = secondNumber;
    for (int i = 0; i < 6; ++i)
        record.cacc[i] = query.value(4 + i).toString();
    readCounts(query, table, record);
    return record;
}

} // namespace

PriceList Database::priceList(PriceTable table) const
{
    const QString sql = QStringLiteral("SELECT Codice, Descrizione, Prezzo, %1, Cacc1, Cacc2, Cacc3, Cacc4, Cacc5, "
                                       "Cacc6, N1, N2, N3, N4, N5, N6 FROM %2 ORDER BY rowid")
                            .arg(secondNumberColumn(table), tableName(table));
    QSqlQuery query = detail::run(detail::connection(connectionName_), sql);
    QList<PriceRecord> records;
    while (query.next())
        records.append(recordAt(query, table));
    return PriceList(std::move(records));
}

} // namespace zuvo::db
