#pragma once

#include "database/price_record.h"

#include <QHash>
#include <QList>
#include <optional>

namespace zuvo::db {

// A price list loaded once for a run; lookups are exact on Codice and give the first record
// in table order.
class PriceList {
public:
    PriceList() = default;
    explicit PriceList(QList<PriceRecord> records);

    std::optional<PriceRecord> find(const QString& codice) const;
    qsizetype size() const { return records_.size(); }

private:
    QList<PriceRecord> records_;
    QHash<QString, qsizetype> firstByCode_;
};

} // namespace zuvo::db
