#include "racking/drive_in_rules.h"

#include "common/number_parse.h"
#include "racking/pallet_rules.h"

namespace zuvo::racking {

namespace {

bool isMetreRun(const QString& codice)
{
    return codice == QLatin1String("F0271010") || codice == QLatin1String("F0271016")
        || codice == QLatin1String("FM024197");
}

// The unit price is per millimetre of the measure field, and so are the accessories; the
// measure cell is left empty.
void scaleByMeasure(FamilyList& list)
{
    const double quantita = list.line().quantita;
    const double millimetres = lenientNumber(list.line().campoMisura);
    quote::QuoteRow& row = list.currentRow();
    row.price *= millimetres;
    row.measure = 0;
    row.emptyMeasure = true;
    list.expandAccessories([quantita, millimetres](double current, int count, int) {
        return current + count * quantita * millimetres;
    });
}

} // namespace

void applyDriveInRules(const RackingRun& run, FamilyList& list)
{
    const CurrentLine& line = list.line();
    if (isMetreRun(line.codice)) {
        list.mergeMetreRun(line.codice);
    } else if (line.codice == QLatin1String("F0271017")) {
        scaleByMeasure(list);
    } else if (line.codice.startsWith(QLatin1String("F0802"))) {
        addFirstAccessory(run, list);
    } else {
        list.expandAccessories(quote::byQuantity(line.quantita));
    }
}

} // namespace zuvo::racking
