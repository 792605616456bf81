#pragma once

#include <optional>

namespace zuvo::mezzanine {

// The documentation fee for a mezzanine of `areaTot` square metres (none counts as 0): 550
// under 50 m²; above, the rate of the area's band times the area, charged as computed when
// it rounds to a multiple of 50, else raised to the next multiple of 50.
double documentationFee(std::optional<double> areaTot);

} // namespace zuvo::mezzanine
