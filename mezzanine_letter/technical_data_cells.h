#pragma once

#include "mezzanine_letter/technical_data.h"
#include "spreadsheet/sheet.h"

namespace zuvo::letter {

// Writes the first six technical values into the letter's technical section, with
// "non presente" for an absent railing height or deck thickness, and the description of the
// 38 mm deck when the deck is 38.
void writeTechnicalData(sheet::Sheet& letter, const TechnicalData& datiTecnici);

} // namespace zuvo::letter
