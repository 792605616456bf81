#pragma once

#include <QStringList>

namespace zuvo::letter {

// The letter number, one cell per page; the first is where the template keeps the last
// number issued.
inline const QStringList kLetterNumberCells = {QStringLiteral("B9"), QStringLiteral("B62"),
                                               QStringLiteral("B110"), QStringLiteral("B161")};

} // namespace zuvo::letter
