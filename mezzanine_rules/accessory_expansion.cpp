#include "mezzanine_rules/accessory_expansion.h"

#include "mezzanine_rules/accessory_rows.h"

namespace zuvo::mezzanine {

QString withSuffixXX(const QString& code, std::optional<int> suffissoXX)
{
    if (!code.endsWith(QLatin1String("XX")))
        return code;
    if (suffissoXX == 300)
        return code.left(6) + QLatin1String("12");
    if (suffissoXX == 250)
        return code.left(6) + QLatin1String("23");
    return code;
}

void expandAccessories(LineState& state)
{
    const quote::Article& article = state.article;
    // Element 7 of the counts is always 0, so at most six accessories are added.
    for (int r = 1; article.nAcc[r] != 0; ++r) {
        mergeAccessory(state.list, state.priceList, withSuffixXX(article.cacc[r], state.suffissoXX),
                       article.nAcc[r] * state.line.quantita);
    }
}

} // namespace zuvo::mezzanine
