#include "quote_sheet/customer_header.h"

namespace zuvo::quote {

void writeCustomerBlock(sheet::Sheet& sheet, int firstRow, int column,
                        const db::Customer& customer)
{
    using sheet::CellInput;
    sheet.writeBlock(firstRow, column,
                     {{CellInput::of(customer.nome)},
                      {CellInput::of(customer.indirizzo)},
                      {CellInput::of(customer.cap + QLatin1Char(' ') + customer.localita)}});
}

void writeCustomerHeader(sheet::Sheet& sheet, int column, const db::Customer& customer)
{
    writeCustomerBlock(sheet, 3, column, customer);
}

} // namespace zuvo::quote
