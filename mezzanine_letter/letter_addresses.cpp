#include "mezzanine_letter/letter_addresses.h"

namespace zuvo::letter {

namespace {
constexpr int kAddressColumn = 5; // E
constexpr int kAddressRows[] = {2, 55, 103, 154};
} // namespace

void writeAddressBlocks(sheet::Sheet& letter, const db::Customer& customer)
{
    for (int firstRow : kAddressRows)
        quote::writeCustomerBlock(letter, firstRow, kAddressColumn, customer);
}

} // namespace zuvo::letter
