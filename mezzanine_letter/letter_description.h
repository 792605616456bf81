#pragma once

#include "mezzanine_letter/letter_values.h"
#include "spreadsheet/sheet.h"

namespace zuvo::letter {

// Writes the lines that describe the supply in words, from row 80 down: railings, gates (one
// line per gate kind present), stairs and vertical bracing, or the words for an absent item.
void writeDescriptionLines(sheet::Sheet& letter, const LetterValues& values);

} // namespace zuvo::letter
