#pragma once

#include "mezzanine_letter/letter_values.h"
#include "spreadsheet/sheet.h"

namespace zuvo::letter {

// Writes the amounts of mezzanine, stairs, gates and railings, each row underlined; the
// mezzanine row only when it has an amount, the others with the words for an absent item.
void writeAmountLines(sheet::Sheet& letter, const LetterValues& values);

// Writes the terms: the price basis, the assembly and safety charges, the transport and the
// documentation fee.
void writeTerms(sheet::Sheet& letter, const LetterValues& values);

} // namespace zuvo::letter
