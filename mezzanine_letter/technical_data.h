#pragma once

#include "common/file_stamp.h"

#include <QString>
#include <array>
#include <cstdint>

namespace zuvo::letter {

// The values of the technical data file "dtec.txt" that the letter prints, line k in slot
// k - 1; slots that no line fills are 0. Later lines never reach the letter.
using TechnicalData = std::array<std::int16_t, 6>;

// Reads the technical data file, stamped as read: the value of a line is the lenient number
// of its last eight characters, rounded half to even. Only the first six lines are read.
// Throws zuvo::Failure, naming the file and the line, when the file cannot be read or one of
// those values lies outside -32768..32767 (a letter must not state a value the file does not
// hold).
Stamped<TechnicalData> readTechnicalData(const QString& path);

} // namespace zuvo::letter
