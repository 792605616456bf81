#pragma once

#include "spreadsheet/office.h"

#include <QStringList>

namespace zuvo::quote {

// Raises the running number kept in the first of `cells` of the template's active sheet,
// writes the new number into every one of them and saves the template at once. Tavrelo and
// Mordisk share the number, so the raise holds a NumberLock beside the template, and the
// template is replaced only by a complete new file. A template open in an office is refused
// first (requireTemplateNotInUse). Only an empty cell counts as 0; a text
// that is not a number, blanks included, stops with zuvo::Failure rather than reuse a
// number. Returns the new number.
double raiseRunningNumber(sheet::Office& office, const QString& templatePath,
                          const QStringList& cells);

} // namespace zuvo::quote
