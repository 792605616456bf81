#include "racking/row_split.h"

#include <algorithm>

namespace zuvo::racking {

PricedRow splitOff(PricedRow& row, double share)
{
    PricedRow copy = row;
    copy.row.quantity = std::min(share, row.row.quantity);
    row.row.quantity -= copy.row.quantity;
    return copy;
}

} // namespace zuvo::racking
