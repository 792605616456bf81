#pragma once

#include "quote_sheet/row_by_code.h"

#include <array>
#include <cstdint>

namespace zuvo::quote {

// An accessory row's new quantity from its current one (0 for a new row), the accessory's
// count and its element number (1 to 6).
using AccessoryQuantity = std::function<double(double current, int count, int element)>;

// `count` accessories for each of the line's `quantita` pieces, not rounded.
inline AccessoryQuantity byQuantity(double quantita)
{
    return [quantita](double current, int count, int) { return current + count * quantita; };
}

// What sets one walk over an article's accessories apart from another.
struct AccessoryWalk {
    AccessoryQuantity quantity;
    NewRow newRow;
    // The code an accessory is listed under when a rule rewrites it; unset, its own.
    std::function<QString(const QString& code)> listedCode = {};
};

// For i = 1, 2, ... while counts[i] is not 0: accessory i is added to the last row of its
// code, the whole list searched (the line's own row and the rows added before it included),
// or gets a new row; an empty code adds nothing. Element 7 is always 0, so at most six.
void walkAccessories(QList<QuoteRow>& rows, const std::array<QString, 8>& codes,
                     const std::array<std::int16_t, 8>& counts, const AccessoryWalk& walk);

} // namespace zuvo::quote
