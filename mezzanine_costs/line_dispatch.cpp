#include "mezzanine_costs/line_dispatch.h"

#include "mezzanine_costs/accessory_expansion.h"
#include "mezzanine_costs/fixed_rules.h"
#include "mezzanine_costs/seismic_rule.h"
#include "mezzanine_costs/setting_codes.h"
#include "mezzanine_costs/stair_rule.h"

namespace zuvo::mezzanine {

void applyCodeRule(LineState& state, const CodeRules& rules)
{
    if (applySettingCode(state, rules) || applyFixedRule(state) || applyStairRule(state, rules)
        || applySeismicRule(state))
        return;
    expandAccessories(state);
}

} // namespace zuvo::mezzanine
