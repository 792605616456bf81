#include "mezzanine_rules/setting_codes.h"

#include "mezzanine_rules/accessory_rows.h"

namespace zuvo::mezzanine {

namespace {

// A pure setting takes no place in the list: the next line's row goes where its row was.
void dropOwnRow(LineState& state)
{
    state.list.rows().removeLast();
}

// The line's own row gives way to its article's first accessory, and the second follows; both
// are written whatever their counts, and neither is merged. A selector code missing from the
// price list has no accessories and keeps its own row, which says it was not found.
void replaceBySelectorAccessories(LineState& state)
{
    const quote::Article& article = state.article;
    if (!article.found)
        return;
    dropOwnRow(state);
    for (int i = 1; i <= 2; ++i) {
        appendAccessory(state.list, state.priceList, article.cacc[i],
                        state.line.quantita * article.nAcc[i]);
    }
}

} // namespace

bool applySettingCode(LineState& state, const CodeRules& rules)
{
    const QString& code = state.line.codice;
    if (code == QLatin1String("0SISM")) {
        state.sismico = 1;
        dropOwnRow(state);
    } else if (rules.areaTotCode && code == QLatin1String("AREATOT")) {
        state.areaTot = state.line.misura;
        dropOwnRow(state);
    } else if (code == QLatin1String("00000000")) {
        state.suffissoXX = 300;
        replaceBySelectorAccessories(state);
    } else if (code == QLatin1String("00000001")) {
        state.suffissoXX = 250;
        replaceBySelectorAccessories(state);
    } else {
        return false;
    }
    return true;
}

} // namespace zuvo::mezzanine
