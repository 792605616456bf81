#include "mezzanine_letter/letter_fill.h"

#include "mezzanine_letter/letter_addresses.h"
#include "mezzanine_letter/letter_amounts.h"
#include "mezzanine_letter/letter_description.h"
#include "mezzanine_letter/technical_data_cells.h"

namespace zuvo::letter {

void fillLetter(sheet::Sheet& letter, const db::Customer& customer,
                const TechnicalData& datiTecnici, const LetterValues& values)
{
    writeAddressBlocks(letter, customer);
    writeTechnicalData(letter, datiTecnici);
    writeDescriptionLines(letter, values);
    writeAmountLines(letter, values);
    writeTerms(letter, values);
}

} // namespace zuvo::letter
