#pragma once

#include <QString>
#include <array>
#include <cstdint>

namespace zuvo::db {

// A row of a price list (Listino or ListinoScaff). A null text reads as "", a null number
// as 0. Listino carries PrList, ListinoScaff carries Peso instead; the other stays 0.
struct PriceRecord {
    QString codice;
    QString descrizione;
    double prezzo = 0;
    double prList = 0;
    double peso = 0;
    std::array<QString, 6> cacc;         // Cacc1 .. Cacc6
    std::array<std::int16_t, 6> n{};     // N1 .. N6, rounded half to even
    // Why the counts cannot be used (one is out of the 16-bit range); empty when they can.
    // Such a record stops only a quotation that uses it.
    QString countProblem;
};

} // namespace zuvo::db
