#include "racking/family_pricing.h"

#include "common/number_parse.h"
#include "quote_sheet/pricing.h"

#include <algorithm>

namespace zuvo::racking {

namespace {

constexpr double kCuttingRate = 0.05;

bool isPerMetreCode(Family family, const QString& code)
{
    const QString prefix = code.left(3);
    switch (family) {
    case Family::Pallet:
        return prefix == QLatin1String("RZN") || prefix == QLatin1String("PAS")
            || prefix == QLatin1String("PAR") || code == QLatin1String("F0802580");
    case Family::LightShelving:
        return prefix == QLatin1String("RZN") || prefix == QLatin1String("PAS")
            || prefix == QLatin1String("PAR");
    case Family::DriveIn:
        return code == QLatin1String("F0271010") || code == QLatin1String("F0271016")
            || code == QLatin1String("FM024197");
    case Family::SatDrive:
        return code == QLatin1String("F0300070") || code == QLatin1String("F0300071")
            || code == QLatin1String("F0802560") || code == QLatin1String("F0802580")
            || code == QLatin1String("F0802570");
    case Family::Cantilever:
        return code == QLatin1String("POMEGA") || code == QLatin1String("COLMTT")
            || code == QLatin1String("LAMTTCL") || code.startsWith(QLatin1String("GR90"));
    }
    return false;
}

PricedRow priceRow(Family family, quote::QuoteRow row, double discount, double valoreF0801)
{
    if (hasCuttingCharge(family) && row.code.startsWith(QLatin1String("FM02516")))
        row.quantity *= 3;
    // Only a row with metres can be priced per metre or as the cutting charge.
    QString formula = quote::amountFormula(/*byMeasure=*/false, /*discounted=*/true);
    if (row.hasMeasure() && isPerMetreCode(family, row.code)) {
        formula = quote::amountFormula(/*byMeasure=*/true, /*discounted=*/true);
    } else if (row.hasMeasure() && hasCuttingCharge(family)
               && row.code == QLatin1String("SPTAGLIO")) {
        row.price = valoreF0801 * kCuttingRate;
        formula = quote::amountFormula(/*byMeasure=*/false, /*discounted=*/false);
    }
    return {row, discount, formula};
}

} // namespace

QList<PricedRow> priceFamilyList(Family family, const QList<quote::QuoteRow>& rows,
                                 const QString& discountText, double valoreF0801)
{
    const double discount = lenientNumber(discountText);
    QList<PricedRow> priced;
    priced.reserve(rows.size());
    for (const quote::QuoteRow& row : rows)
        priced.append(priceRow(family, row, discount, valoreF0801));
    std::stable_sort(priced.begin(), priced.end(), [](const PricedRow& a, const PricedRow& b) {
        return a.row.sortKey.value_or(0) < b.row.sortKey.value_or(0);
    });
    return priced;
}

} // namespace zuvo::racking
