#pragma once

#include <QString>

namespace zuvo::quote {

// A stair type of an order line's packed measure field: the text that ends the stair's
// description and how many landing surcharges its price carries.
struct StairType {
    const char* landingText;
    int landingsPriced;
};

// Types are whole numbers from 1 to 7; anything else (0, 8, 2.5) is no type. Types 6 and 7
// are priced with two landings although their text names one.
const StairType* stairTypeOf(double tipo);

// "<descr> A <steps> GRADINI<landing text>", the steps as typed (07 stays 07).
QString stairDescription(const QString& descr, const QString& testoGradini, const StairType& type);

} // namespace zuvo::quote
