#pragma once

#include "database/price_list.h"
#include "order_reading/order_file.h"

#include <QString>
#include <array>
#include <cstdint>

namespace zuvo::quote {

// The description of a code that the price list does not hold.
inline const QString kCodiceNonTrovato = QStringLiteral("Codice non trovato a listino");

// What the lookup of an order line's code leaves for the rules: elements 1 to 6 of the
// accessory arrays come from Cacc1..Cacc6 and N1..N6; elements 0 and 7 stay empty and 0,
// so a walk over the counts always ends.
struct Article {
    bool found = false;
    QString descr;
    double prezzo = 0;
    double prList = 0;
    std::array<QString, 8> cacc;
    std::array<std::int16_t, 8> nAcc{};
};

// Looks up an order line's article. A missing code gives the not-found description, prices
// 0 and no accessories: nothing of a previous article is carried over. A record whose counts
// cannot be used stops the run with zuvo::Failure.
Article lookupArticle(const db::PriceList& priceList, const QString& code);

// Checks, before anything is consumed, that every ordered article's record can be used;
// throws zuvo::Failure naming the first that cannot.
void requireUsableRecords(const db::PriceList& priceList, const QList<OrderLine>& orders);

// The sort key a row added by a rule takes from its code's record: the sixth count alone.
// Throws zuvo::Failure naming the code when that count cannot be used.
std::int16_t sortKeyOf(const db::PriceRecord& record);

// Looks up an accessory code: description and prices only.
struct Accessory {
    QString descr;
    double prezzo = 0;
    double prList = 0;
};
Accessory lookupAccessory(const db::PriceList& priceList, const QString& code);

} // namespace zuvo::quote
