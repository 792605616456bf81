#pragma once

#include "quote_sheet/quote_request.h"
#include "spreadsheet/sheet.h"

namespace zuvo::quote {

// Writes the customer in rows 3 to 5 of `column`: name, street, postal code and town with
// one blank between.
void writeCustomerHeader(sheet::Sheet& sheet, int column, const Customer& customer);

} // namespace zuvo::quote
