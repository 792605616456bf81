#include "mezzanine_rules/documentation_fee.h"

#include "common/rounding.h"

#include <cmath>

namespace zuvo::mezzanine {

namespace {

constexpr double kMinimumFee = 550;
constexpr double kFeeStep = 50;

// The rate per square metre of the band the area falls in; a band starts at its lower edge.
double bandRate(double area)
{
    if (area >= 300)
        return 6.5;
    if (area >= 200)
        return 7.8;
    if (area >= 100)
        return 9.1;
    return 10.4;
}

} // namespace

double documentationFee(std::optional<double> areaTot)
{
    const double area = areaTot.value_or(0);
    if (area < 50)
        return kMinimumFee;
    const double product = bandRate(area) * area;
    const double rounded = roundHalfEven(product);
    const double steps = std::trunc(rounded / kFeeStep);
    if (rounded - kFeeStep * steps == 0)
        return product;
    return kFeeStep * steps + kFeeStep;
}

} // namespace zuvo::mezzanine
