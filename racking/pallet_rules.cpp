#include "racking/pallet_rules.h"

#include "common/rounding.h"

namespace zuvo::racking {

namespace {

// Codes the chain leaves as their plain quote row: the F02 rename, the kits and the stairs
// have rules of their own.
bool keepsPlainRow(const QString& prefix)
{
    static const QStringList kPlain = {QStringLiteral("F02"), QStringLiteral("P2C"),
                                       QStringLiteral("D2C"), QStringLiteral("PZE"),
                                       QStringLiteral("SCA")};
    return kPlain.contains(prefix);
}

bool takesChosenAccessory(const QString& codice)
{
    return codice.startsWith(QLatin1String("F08020")) || codice.startsWith(QLatin1String("F08021"));
}

} // namespace

AccessoryQuantity palletAccessoryQuantity(double quantita, double lunghezza)
{
    if (lunghezza != 0) {
        return [quantita, lunghezza](double current, int count) {
            return roundHalfEven(current + count * quantita * lunghezza);
        };
    }
    return byQuantity(quantita);
}

void applyPalletRules(RackingRun& run, FamilyList& list)
{
    const CurrentLine& line = list.line();
    const QString prefix = line.codice.left(3);
    if (prefix == QLatin1String("ANT")) {
        run.antPresente = true;
        list.deleteLine();
    } else if (prefix == QLatin1String("PAS")) {
        list.mergeMetreRun(QStringLiteral("PASS"));
    } else if (prefix == QLatin1String("PAR")) {
        list.mergeMetreRun(QStringLiteral("PARAP"));
    } else if (keepsPlainRow(prefix)) {
        return;
    } else if (takesChosenAccessory(line.codice)) {
        if (line.article.nAcc[1] != 0)
            list.addAccessory(run.antPresente ? 2 : 1);
    } else {
        list.expandAccessories(palletAccessoryQuantity(line.quantita, line.lunghezza));
    }
}

} // namespace zuvo::racking
