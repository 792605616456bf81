#pragma once

#include <cstdint>

namespace zuvo {

// Rounds to the nearest whole number, a half going to the even neighbour (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double value);

// Rounds to two decimals, a half going to the even neighbour (1.125 -> 1.12).
double roundHalfEven2(double value);

// A count as a signed 16-bit integer, rounded half to even; throws zuvo::Failure outside
// -32768..32767.
std::int16_t toInt16HalfEven(double value);

} // namespace zuvo
