#include "mezzanine_rules/line_dispatch.h"

#include "mezzanine_rules/accessory_expansion.h"
#include "mezzanine_rules/fixed_rules.h"
#include "mezzanine_rules/seismic_rule.h"
#include "mezzanine_rules/setting_codes.h"
#include "mezzanine_rules/stair_rule.h"

namespace zuvo::mezzanine {

void applyCodeRule(LineState& state, const CodeRules& rules)
{
    if (applySettingCode(state, rules) || applyFixedRule(state) || applyStairRule(state, rules)
        || applySeismicRule(state))
        return;
    expandAccessories(state);
}

} // namespace zuvo::mezzanine
