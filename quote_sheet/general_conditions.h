#pragma once

#include "spreadsheet/office.h"

namespace zuvo::quote {

// Copies the range A1:G165 of "Condizioni.xlsx" (data folder) with its formats onto the
// quote sheet from A`firstRow`, and sets column A of its first page (56 rows) in Arial 8.
// The conditions workbook is closed unchanged. Throws zuvo::Failure when it is missing.
void pasteGeneralConditions(sheet::Office& office, sheet::Sheet& quoteSheet, int firstRow);

} // namespace zuvo::quote
