#pragma once

#include "mezzanine_rules/line_state.h"

#include <QString>
#include <optional>

namespace zuvo::mezzanine {

// The XX suffix rule: an accessory code ending in "XX" takes "12" after an "00000000" line
// (selector 300) or "23" after an "00000001" line (250) in place of its last two characters;
// before either, it stays as it is.
QString withSuffixXX(const QString& code, std::optional<int> suffissoXX);

// The rule of every code without one of its own: each accessory of the article, up to the
// first count of 0, merged with count x quantity under its code after the XX suffix rule.
void expandAccessories(LineState& state);

} // namespace zuvo::mezzanine
