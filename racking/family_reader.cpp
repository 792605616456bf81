#include "racking/family_reader.h"

#include "racking/cantilever_rules.h"
#include "racking/family_list.h"
#include "racking/pallet_rules.h"

namespace zuvo::racking {

namespace {

void resetAtListStart(RackingRun& run, Family family)
{
    if (family == Family::Pallet)
        run.antPresente = false;
    if (hasCuttingCharge(family))
        run.valoreF0801 = 0;
    if (family == Family::Cantilever) {
        run.cantilever.presAAA = false;
        run.cantilever.presBT = false;
    }
}

// The families without rules of their own take every accessory by quantity.
void applyRules(RackingRun& run, Family family, FamilyList& list)
{
    if (family == Family::Pallet) {
        applyPalletRules(run, list);
        return;
    }
    if (family == Family::Cantilever) {
        applyCantileverRules(run.cantilever, list);
        return;
    }
    list.expandAccessories(byQuantity(list.line().quantita));
}

} // namespace

QList<quote::QuoteRow> readFamilyList(RackingRun& run, Family family,
                                      const QList<quote::OrderLine>& orders)
{
    FamilyList list(run.priceList);
    resetAtListStart(run, family);
    for (const quote::OrderLine& order : orders) {
        list.addLine(order);
        const CurrentLine& line = list.line();
        if (hasCuttingCharge(family) && line.codice.startsWith(QLatin1String("F0801")))
            run.valoreF0801 += line.quantita * line.article.prezzo;
        applyRules(run, family, list);
    }
    return list.rows();
}

} // namespace zuvo::racking
