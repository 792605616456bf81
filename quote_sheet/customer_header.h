#pragma once

#include "database/customer.h"
#include "spreadsheet/sheet.h"

namespace zuvo::quote {

// Writes the customer as texts into three rows of `column` from `firstRow` on: name, street,
// postal code and town with one blank between.
void writeCustomerBlock(sheet::Sheet& sheet, int firstRow, int column,
                        const db::Customer& customer);

// The customer block of the quote sheet's header, rows 3 to 5.
void writeCustomerHeader(sheet::Sheet& sheet, int column, const db::Customer& customer);

} // namespace zuvo::quote
