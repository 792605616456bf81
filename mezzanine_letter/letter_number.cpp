#include "mezzanine_letter/letter_number.h"

#include "quote_sheet/quote_number.h"

#include <QStringList>

namespace zuvo::letter {

namespace {
// One per page; the first is where the template keeps the last number issued.
const QStringList kNumberCells = {QStringLiteral("B9"), QStringLiteral("B62"),
                                  QStringLiteral("B110"), QStringLiteral("B161")};
} // namespace

double raiseLetterNumber(sheet::Office& office, const QString& templatePath)
{
    return quote::raiseRunningNumber(office, templatePath, kNumberCells);
}

// The letter is a copy opened after the raise let go of its lock: writing the number again
// makes it carry the number this run raised, whatever another run did in between.
void writeLetterNumber(sheet::Sheet& letter, double numLettera)
{
    for (const QString& cell : kNumberCells)
        letter.write(cell, sheet::CellInput::of(numLettera));
}

} // namespace zuvo::letter
