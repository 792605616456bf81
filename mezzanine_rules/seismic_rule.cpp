#include "mezzanine_rules/seismic_rule.h"

#include "mezzanine_rules/accessory_rows.h"

#include <cmath>

namespace zuvo::mezzanine {

bool applySeismicRule(LineState& state)
{
    if (state.line.codice != QLatin1String("70000010"))
        return false;
    const quote::Article& article = state.article;
    const int index = state.sismico == 0 ? 1 : 2;
    const double quantity = article.nAcc[index] * state.line.quantita;
    const bool appended =
        mergeAccessory(state.list, state.priceList, article.cacc[index], quantity);
    // The third accessory is counted once, from the line that first brings the second one.
    if (appended && index == 2)
        appendAccessory(state.list, state.priceList, article.cacc[3], std::floor(quantity / 25) + 1);
    return true;
}

} // namespace zuvo::mezzanine
