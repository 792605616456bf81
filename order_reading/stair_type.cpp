#include "order_reading/stair_type.h"

namespace zuvo::quote {

namespace {

constexpr StairType kStairTypes[] = {
    {"", 0},
    {" + PIANEROTTOLO", 1},
    {" + PIANEROTTOLO", 1},
    {" + 2 PIANEROTTOLI", 2},
    {" + PIANEROTTOLO", 1},
    {" + PIANEROTTOLO", 2},
    {" + PIANEROTTOLO", 2},
};

} // namespace

const StairType* stairTypeOf(double tipo)
{
    for (int t = 1; t <= 7; ++t) {
        if (tipo == t)
            return &kStairTypes[t - 1];
    }
    return nullptr;
}

QString stairDescription(const QString& descr, const QString& testoGradini, const StairType& type)
{
    return descr + QLatin1String(" A ") + testoGradini + QLatin1String(" GRADINI")
         + QLatin1String(type.landingText);
}

} // namespace zuvo::quote
