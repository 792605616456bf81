#pragma once

#include "spreadsheet/sheet.h"

#include <QString>

namespace zuvo::quote {

struct Customer {
    QString nome;
    QString indirizzo;
    QString cap;
    QString localita;
};

// Writes the customer in rows 3 to 5 of `column`: name, street, postal code and town with
// one blank between.
void writeCustomerHeader(sheet::Sheet& sheet, int column, const Customer& customer);

} // namespace zuvo::quote
