#include "mezzanine_costs/conditions_block.h"

#include "quote_sheet/conditions_block.h"
#include "quote_sheet/general_conditions.h"
#include "quote_sheet/page_geometry.h"

namespace zuvo::mezzanine {

void writeConditions(MezzanineRun& run, sheet::Office& office)
{
    const quote::ConditionTerms terms = quote::termsOfSale({.deliveryFullStop = true});
    quote::writeConditionsBlock(run.sheet, run.body.rigaGruppo, terms, quote::ConditionsHeading::GreyBox);
    run.body.rigaGruppo += int(terms.size());
    run.rigaPagina += quote::kPageRows;
    quote::pasteGeneralConditions(office, run.sheet, run.rigaPagina);
}

} // namespace zuvo::mezzanine
