#include "racking/kit_rules.h"

#include "common/rounding.h"

namespace zuvo::racking {

void renameGate(FamilyList& list)
{
    const CurrentLine& line = list.line();
    const bool gate = line.codice == QLatin1String("F0281805")
                   || line.codice == QLatin1String("F0281810");
    if (!gate || line.lunghezza == 0)
        return;
    // The metres have two decimals: 0.29 m is 29 cm, though 0.29 x 100 falls just short.
    // The order reader keeps the measure within its eight digits, so the centimetres fit.
    const auto centimetres = qint64(roundHalfEven(line.lunghezza * 100));
    quote::QuoteRow& row = list.currentRow();
    row.code = QStringLiteral("F02818XX");
    row.descr = QStringLiteral("CANC. SCORR. CM.%1 LUCE C/BINARIO + ACC.").arg(centimetres);
    row.measure = 0;
    row.emptyMeasure = true;
}

bool isKit(const QString& codice)
{
    const QStringView prefix = QStringView(codice).left(3);
    return prefix == QLatin1String("P2C") || prefix == QLatin1String("D2C")
        || prefix == QLatin1String("PZE");
}

void substituteKit(FamilyList& list)
{
    const quote::Article kit = list.line().article;
    const double quantita = list.line().quantita;
    if (kit.nAcc[1] == 0)
        return;
    // While the kit still holds its row, that row is no component's: a component of the
    // kit's own code takes the row over instead of adding to the kit's quantity.
    bool kitHoldsRow = true;
    for (int i = 1; kit.nAcc[i] != 0; ++i) {
        const double quantity = kit.nAcc[i] * quantita;
        const auto range = kitHoldsRow ? quote::SearchRange::BeforeLastRow
                                       : quote::SearchRange::WholeList;
        if (const auto found = list.search(kit.cacc[i], range)) {
            list.rows()[*found].quantity += quantity;
        } else if (kitHoldsRow) {
            list.replaceLine(kit.cacc[i], quantity);
            kitHoldsRow = false;
        } else {
            list.newRow(kit.cacc[i], quantity);
        }
    }
    if (kitHoldsRow)
        list.deleteLine();
}

} // namespace zuvo::racking
