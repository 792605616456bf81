#include "racking/pallet_rules.h"

#include "common/rounding.h"
#include "racking/kit_rules.h"
#include "racking/stair_rules.h"

namespace zuvo::racking {

bool takesOneAccessory(const QString& codice)
{
    return codice.startsWith(QLatin1String("F08020")) || codice.startsWith(QLatin1String("F08021"));
}

void addFirstAccessory(const RackingRun& run, FamilyList& list)
{
    if (list.line().article.nAcc[1] != 0 && !run.antPresente)
        list.addAccessory(1);
}

quote::AccessoryQuantity palletAccessoryQuantity(double quantita, double lunghezza)
{
    if (lunghezza != 0) {
        return [quantita, lunghezza](double current, int count, int) {
            return roundHalfEven(current + count * quantita * lunghezza);
        };
    }
    return quote::byQuantity(quantita);
}

bool applyRackingCodeRule(FamilyList& list)
{
    const QString& codice = list.line().codice;
    const QStringView prefix = QStringView(codice).left(3);
    if (prefix == QLatin1String("PAS"))
        list.mergeMetreRun(QStringLiteral("PASS"));
    else if (prefix == QLatin1String("PAR"))
        list.mergeMetreRun(QStringLiteral("PARAP"));
    else if (prefix == QLatin1String("F02"))
        renameGate(list);
    else if (isKit(codice))
        substituteKit(list);
    else if (prefix == QLatin1String("SCA"))
        applyStairRule(list);
    else
        return false;
    return true;
}

void applyPalletRules(RackingRun& run, FamilyList& list)
{
    const CurrentLine& line = list.line();
    if (line.codice.startsWith(QLatin1String("ANT"))) {
        run.antPresente = true;
        list.deleteLine();
    } else if (applyRackingCodeRule(list)) {
        return;
    } else if (takesOneAccessory(line.codice)) {
        if (line.article.nAcc[1] != 0)
            list.addAccessory(run.antPresente ? 2 : 1);
    } else {
        list.expandAccessories(palletAccessoryQuantity(line.quantita, line.lunghezza));
    }
}

} // namespace zuvo::racking
