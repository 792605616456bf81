#include "mezzanine_rules/accessory_expansion.h"

#include "mezzanine_rules/accessory_rows.h"
#include "quote_sheet/accessory_walk.h"

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
    const std::optional<int> suffissoXX = state.suffissoXX;
    quote::walkAccessories(state.list.rows(), state.article.cacc, state.article.nAcc, {
        .quantity = quote::byQuantity(state.line.quantita),
        .newRow = accessoryRowMaker(state.priceList),
        .listedCode = [suffissoXX](const QString& code) { return withSuffixXX(code, suffissoXX); },
    });
}

} // namespace zuvo::mezzanine
