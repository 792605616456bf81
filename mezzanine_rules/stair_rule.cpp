#include "mezzanine_rules/stair_rule.h"

#include "common/number_parse.h"
#include "order_reading/stair_type.h"

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

} // namespace

bool applyStairRule(LineState& state, const CodeRules& rules)
{
    const std::optional<double> landingSurcharge = landingSurchargeOf(state.line.codice);
    if (!landingSurcharge)
        return false;
    const QString& field = state.line.campoMisura;
    const QString testoGradini = field.right(2);
    const double gradini = lenientNumber(testoGradini);
    quote::QuoteRow& own = state.list.last();
    if (const quote::StairType* type = quote::stairTypeOf(lenientNumber(field.left(6)))) {
        own.descr = quote::stairDescription(state.article.descr, testoGradini, *type);
        own.measure = 0;
        own.price = gradini * state.article.prList + type->landingsPriced * *landingSurcharge;
    }
    if (rules.seismicStairSurcharge && state.sismico == 1)
        own.price *= kSeismicFactor;
    state.descScala = own.descr;
    return true;
}

} // namespace zuvo::mezzanine
