#pragma once

#include "spreadsheet/office.h"

#include <QString>

namespace zuvo::letter {

// Raises the running letter number of the template "MemSopp.xlsx" (read from B9, written on
// all four pages) and saves the template at once, before anything of the customer or the
// quotation exists in a letter, so every run that gets this far uses up its number. Throws
// zuvo::Failure when B9 holds a text that is not a number or the template cannot be saved.
double raiseLetterNumber(sheet::Office& office, const QString& templatePath);

// Writes the letter number on the four pages of a letter.
void writeLetterNumber(sheet::Sheet& letter, double numLettera);

} // namespace zuvo::letter
