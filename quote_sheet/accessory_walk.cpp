#include "quote_sheet/accessory_walk.h"

namespace zuvo::quote {

void walkAccessories(QList<QuoteRow>& rows, const std::array<QString, 8>& codes,
                     const std::array<std::int16_t, 8>& counts, const AccessoryWalk& walk)
{
    for (int i = 1; counts[i] != 0; ++i) {
        const QString code = walk.listedCode ? walk.listedCode(codes[i]) : codes[i];
        const int count = counts[i];
        addToCodeRow(
            rows, code, [&](double current) { return walk.quantity(current, count, i); },
            walk.newRow);
    }
}

} // namespace zuvo::quote
