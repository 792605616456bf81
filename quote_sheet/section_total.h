#pragma once

#include "spreadsheet/sheet.h"

#include <QString>

namespace zuvo::quote {

// A section total row: its label in the description column (bold, left-aligned) and the sum
// of the amounts above it in the amount column (bold). Nothing else of the row is written.
void writeSectionTotal(sheet::Sheet& sheet, int row, const QString& label, const QString& sumR1C1);

// The style of a section total row whose label and sum are already written.
void styleSectionTotal(sheet::Sheet& sheet, int row);

} // namespace zuvo::quote
