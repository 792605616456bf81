#include "racking/sat_drive_rules.h"

#include "common/rounding.h"
#include "racking/pallet_rules.h"

namespace zuvo::racking {

namespace {

bool isRailRun(const QString& codice)
{
    return codice == QLatin1String("F0300070") || codice == QLatin1String("F0300071");
}

bool isGuideRun(const QString& codice)
{
    return codice == QLatin1String("F0802560") || codice == QLatin1String("F0802570");
}

// The metres the list's rows of a code hold, the current line's row included or not.
double metresOf(const FamilyList& list, const QString& code, bool includeCurrentRow)
{
    const qsizetype end = list.rows().size() - (includeCurrentRow ? 0 : 1);
    double metres = 0;
    for (qsizetype i = 0; i < end; ++i) {
        const quote::QuoteRow& row = list.rows()[i];
        if (row.code == code && row.hasMeasure())
            metres += row.quantity * row.measure;
    }
    return metres;
}

// Each guide line adds its accessories for its own metres, the row rounded after each line.
void addGuideAccessories(FamilyList& list)
{
    const double metri = list.line().quantita * list.line().lunghezza;
    list.mergeMetreRun(list.line().codice);
    list.expandAccessories([metri](double current, int count, int) {
        return roundHalfEven(current + count * metri);
    });
}

// "F0802580" counts its accessories on the article's total metres: each line moves its own
// share of an accessory row from N x the metres before it to N x the metres after it, both
// rounded, and leaves what other articles put in that row.
void setShareOnTotalMetres(FamilyList& list)
{
    const QString& codice = list.line().codice;
    const double before = metresOf(list, codice, false);
    list.mergeMetreRun(codice);
    const double after = metresOf(list, codice, true);
    list.expandAccessories([before, after](double current, int count, int) {
        return current + roundHalfEven(count * after) - roundHalfEven(count * before);
    });
}

} // namespace

void applySatDriveRules(const RackingRun& run, FamilyList& list)
{
    const CurrentLine& line = list.line();
    if (isRailRun(line.codice)) {
        list.mergeMetreRun(line.codice);
    } else if (isGuideRun(line.codice)) {
        addGuideAccessories(list);
    } else if (line.codice == QLatin1String("F0802580")) {
        setShareOnTotalMetres(list);
    } else if (takesOneAccessory(line.codice)) {
        addFirstAccessory(run, list);
    } else {
        list.expandAccessories(quote::byQuantity(line.quantita));
    }
}

} // namespace zuvo::racking
