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
    std::array<std::int16_t, 6> n{};     // N1 .. N6, rounded half to even; 0 where unusable
    // Why each count cannot be used (out of the 16-bit range); empty where it can. A count
    // stops only a quotation that uses it.
    std::array<QString, 6> countProblems;

    // The first of the record's count problems; empty when every count can be used.
    QString firstCountProblem() const
    {
        for (const QString& problem : countProblems) {
            if (!problem.isEmpty())
                return problem;
        }
        return {};
    }
};

} // namespace zuvo::db
