#pragma once

#include <QStringView>

namespace zuvo {

// The lenient number parse used for every number read from a file or a text box:
// blanks are ignored, "." is the decimal point, reading stops at the first character that
// cannot continue a number, and a text without a number gives 0.
double lenientNumber(QStringView text);

} // namespace zuvo
