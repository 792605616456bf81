#pragma once

#include <QString>
#include <optional>

namespace zuvo::sheet {

// Turns an Excel R1C1 formula written into the cell at (row, column), 1-based, into the A1
// text the office's API takes ("=RC3*RC5" in row 10 gives "=$C10*$E10", "," becomes ";"),
// so that a block of formulas can be written in one call. Gives nothing for what it does
// not translate (whole rows or columns, other sheets, external links, a stray ";"): such
// formulas go through the office's own parser instead.
std::optional<QString> translateR1C1(const QString& formula, int row, int column);

} // namespace zuvo::sheet
