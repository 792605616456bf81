#include "quote_sheet/customer_header.h"

namespace zuvo::quote {

void writeCustomerHeader(sheet::Sheet& sheet, int column, const Customer& customer)
{
    using sheet::CellInput;
    sheet.writeBlock(3, column,
                     {{CellInput::of(customer.nome)},
                      {CellInput::of(customer.indirizzo)},
                      {CellInput::of(customer.cap + QLatin1Char(' ') + customer.localita)}});
}

} // namespace zuvo::quote
