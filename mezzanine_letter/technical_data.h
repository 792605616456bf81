#pragma once

#include "common/file_stamp.h"

#include <QString>
#include <array>
#include <cstdint>

namespace zuvo::letter {

// The values of the technical data file "dtec.txt", line k in slot k - 1; slots that no line
// fills are 0. Only the first six reach the letter.
using TechnicalData = std::array<std::int16_t, 11>;

// Reads the technical data file, stamped as read: the value of a line is the lenient number
// of its last eight characters, rounded half to even. Lines after the eleventh are read and
// ignored. Throws zuvo::Failure, naming the file and the line, when the file cannot be read
// or a stored value lies outside -32768..32767 (a letter must not state a value the file
// does not hold).
Stamped<TechnicalData> readTechnicalData(const QString& path);

} // namespace zuvo::letter
