#pragma once

#include "spreadsheet/office.h"

#include <QString>

namespace zuvo::quote {

// Refuses a template that someone has open in an office, before its running number is
// raised: open in our own office for the user, or locked by an office of another computer or
// another profile. Raising it under them would give two quotations one number once they save
// their copy. A lock our own office left behind without the template open does not count.
// Throws zuvo::Failure naming the template, who holds it and the lock file.
void requireTemplateNotInUse(sheet::Office& office, const QString& templatePath);

} // namespace zuvo::quote
