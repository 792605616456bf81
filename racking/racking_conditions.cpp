#include "racking/racking_conditions.h"

#include "quote_sheet/conditions_block.h"
#include "quote_sheet/general_conditions.h"
#include "quote_sheet/page_geometry.h"

namespace zuvo::racking {

namespace {

quote::ConditionTerms termsOf(const QString& discountText)
{
    const QString price = discountText.isEmpty() ? QStringLiteral("Prezzo: LISTINO")
                                                 : QStringLiteral("Prezzo: NETTO");
    return {{
        {price, QStringLiteral("Spedizione: DESTINATARIO")},
        {QStringLiteral("IVA: ESCLUSA"), QStringLiteral("Porto: ASSEGNATO")},
        {QStringLiteral("Validità offerta: 15 GG."), QStringLiteral("Imballo standard: COMPRESO")},
        {QStringLiteral("Data consegna prevista: 40 GG. D.R.O"),
         QStringLiteral("Posa in opera (a locali liberi): ESCLUSA")},
        {QStringLiteral("Condizioni di pagamento: DA CONVENIRE"),
         QStringLiteral("Oneri per la sicurezza: ESCLUSI")},
    }};
}

} // namespace

void writeConditionsBlock(RackingRun& run)
{
    const int heading = run.rigaTotale + 2;
    const quote::ConditionTerms terms = termsOf(run.sconto);
    quote::writeConditionsBlock(run.sheet, heading, terms, quote::ConditionsHeading::GreyBox);
    run.rigaTotale = heading + int(terms.size());
}

void addGeneralConditionsPage(RackingRun& run, sheet::Office& office)
{
    run.rigaPagina += quote::kPageRows;
    quote::pasteGeneralConditions(office, run.sheet, run.rigaPagina);
}

} // namespace zuvo::racking
