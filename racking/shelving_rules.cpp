#include "racking/shelving_rules.h"

#include "racking/pallet_rules.h"

namespace zuvo::racking {

void applyShelvingRules(FamilyList& list)
{
    if (!applyRackingCodeRule(list))
        list.expandAccessories(quote::byQuantity(list.line().quantita));
}

} // namespace zuvo::racking
