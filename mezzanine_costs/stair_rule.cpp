#include "mezzanine_costs/stair_rule.h"

#include "common/number_parse.h"

#include <optional>

namespace zuvo::mezzanine {

namespace {

constexpr double kSeismicFactor = 1.12;

std::optional<double> landingSurchargeOf(const QString& code)
{
    if (code == QLatin1String("SCALA800"))
        return 1175.91;
    if (code == QLatin1String("SCALA1000"))
        return 1250.96;
    if (code == QLatin1String("SCALA1200"))
        return 1301;
    return std::nullopt;
}

struct StairType {
    const char* landingText;
    int landingsPriced;
};

// Types 1 to 7. Types 6 and 7 are priced with two landings although their text names one.
constexpr StairType kStairTypes[] = {
    {"", 0},
    {" + PIANEROTTOLO", 1},
    {" + PIANEROTTOLO", 1},
    {" + 2 PIANEROTTOLI", 2},
    {" + PIANEROTTOLO", 1},
    {" + PIANEROTTOLO", 2},
    {" + PIANEROTTOLO", 2},
};

// A type is a whole number from 1 to 7; anything else (0002.5 included) is no type.
const StairType* stairTypeOf(double tipo)
{
    for (int t = 1; t <= 7; ++t) {
        if (tipo == t)
            return &kStairTypes[t - 1];
    }
    return nullptr;
}

} // namespace

bool applyStairRule(LineState& state, const CodeRules& rules)
{
    const std::optional<double> landingSurcharge = landingSurchargeOf(state.line.codice);
    if (!landingSurcharge)
        return false;
    const QString& field = state.line.campoMisura;
    // The steps stay as typed in the description: 07 is not shortened to 7.
    const QString testoGradini = field.right(2);
    const double gradini = lenientNumber(testoGradini);
    quote::QuoteRow& own = state.list.last();
    if (const StairType* type = stairTypeOf(lenientNumber(field.left(6)))) {
        own.descr = state.article.descr + QLatin1String(" A ") + testoGradini
                    + QLatin1String(" GRADINI") + QLatin1String(type->landingText);
        own.measure = 0;
        own.price = gradini * state.article.prList + type->landingsPriced * *landingSurcharge;
    }
    if (rules.seismicStairSurcharge && state.sismico == 1)
        own.price *= kSeismicFactor;
    state.descScala = own.descr;
    return true;
}

} // namespace zuvo::mezzanine
