#include "mezzanine_costs/conditions_block.h"

#include "quote_sheet/conditions_block.h"
#include "quote_sheet/general_conditions.h"
#include "quote_sheet/page_geometry.h"

namespace zuvo::mezzanine {

namespace {

const quote::ConditionTerms kTerms{{
    {QStringLiteral("Prezzo: LISTINO"), QStringLiteral("Spedizione: DESTINATARIO")},
    {QStringLiteral("IVA: ESCLUSA"), QStringLiteral("Porto: ASSEGNATO")},
    {QStringLiteral("Validità offerta: 15 GG."), QStringLiteral("Imballo standard: COMPRESO")},
    {QStringLiteral("Data consegna prevista: 40 GG. D.R.O."),
     QStringLiteral("Posa in opera (a locali liberi): ESCLUSA")},
    {QStringLiteral("Condizioni di pagamento: DA CONVENIRE"),
     QStringLiteral("Oneri per la sicurezza: ESCLUSI")},
}};

} // namespace

void writeConditions(MezzanineRun& run, sheet::Office& office)
{
    quote::writeConditionsBlock(run.sheet, run.body.rigaGruppo, kTerms, quote::ConditionsHeading::GreyBox);
    run.body.rigaGruppo += int(kTerms.size());
    run.rigaPagina += quote::kPageRows;
    quote::pasteGeneralConditions(office, run.sheet, run.rigaPagina);
}

} // namespace zuvo::mezzanine
