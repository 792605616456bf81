#pragma once

#include "quote_sheet/customer_header.h"
#include "spreadsheet/sheet.h"

namespace zuvo::letter {

// Writes the customer's address into the address block of each of the letter's four pages.
void writeAddressBlocks(sheet::Sheet& letter, const db::Customer& customer);

} // namespace zuvo::letter
