#pragma once

#include "mezzanine_letter/letter_values.h"
#include "mezzanine_letter/technical_data.h"
#include "quote_sheet/customer_header.h"
#include "spreadsheet/sheet.h"

namespace zuvo::letter {

// Fills the covering letter, an untitled copy of the numbered template: the customer's
// address on all four pages, the technical data, the description lines, the amount lines and
// the terms. Everything else on the letter is the template's own.
void fillLetter(sheet::Sheet& letter, const db::Customer& customer,
                const TechnicalData& datiTecnici, const LetterValues& values);

} // namespace zuvo::letter
