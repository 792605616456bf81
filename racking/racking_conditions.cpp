#include "racking/racking_conditions.h"

#include "quote_sheet/conditions_block.h"
#include "quote_sheet/general_conditions.h"
#include "quote_sheet/page_geometry.h"

namespace zuvo::racking {

namespace {

// A discount makes the prices net of it.
quote::ConditionTerms termsOf(const QString& discountText)
{
    quote::TermChoices choices;
    if (!discountText.isEmpty())
        choices.price = QStringLiteral("Prezzo: NETTO");
    return quote::termsOfSale(choices);
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
