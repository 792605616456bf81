#include "racking/family_reader.h"

#include "racking/cantilever_rules.h"
#include "racking/drive_in_rules.h"
#include "racking/family_list.h"
#include "racking/pallet_rules.h"
#include "racking/sat_drive_rules.h"
#include "racking/shelving_rules.h"

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

void applyRules(RackingRun& run, Family family, FamilyList& list)
{
    switch (family) {
    case Family::Pallet:
        applyPalletRules(run, list);
        return;
    case Family::LightShelving:
        applyShelvingRules(list);
        return;
    case Family::DriveIn:
        applyDriveInRules(run, list);
        return;
    case Family::SatDrive:
        applySatDriveRules(run, list);
        return;
    case Family::Cantilever:
        applyCantileverRules(run.cantilever, list);
        return;
    }
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
