#pragma once

#include "spreadsheet/sheet.h"

namespace zuvo::quote {

// Frames the four outer edges of a range with thin lines; inner lines are left alone.
void frameRange(sheet::Sheet& sheet, const sheet::RangeAddress& range);

// The grey box of totals and headings: the range framed, then filled light grey.
void greyBox(sheet::Sheet& sheet, const sheet::RangeAddress& range);

// Rules a page body: every column of the range becomes one tall thin box, with no lines
// between its rows and no diagonals.
void columnBoxes(sheet::Sheet& sheet, const sheet::RangeAddress& range);

// Removes every border line within and around a range.
void clearBorders(sheet::Sheet& sheet, const sheet::RangeAddress& range);

} // namespace zuvo::quote
