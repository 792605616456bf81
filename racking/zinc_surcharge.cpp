#include "racking/zinc_surcharge.h"

namespace zuvo::racking {

namespace {

constexpr double kZincSortKey = 96;

// Arms and bases (B), columns (CB, CM), roof beams (TF) and roof panels (PAC) are galvanised.
bool isGalvanised(const QString& code)
{
    const QString two = code.left(2);
    return code.startsWith(QLatin1Char('B')) || two == QLatin1String("CB")
        || two == QLatin1String("CM") || two == QLatin1String("TF")
        || code.startsWith(QLatin1String("PAC"));
}

double zincBase(const QList<quote::QuoteRow>& rows)
{
    double base = 0;
    for (const quote::QuoteRow& row : rows) {
        if (isGalvanised(row.code))
            base += row.quantity * row.price;
    }
    return base;
}

double zincRate(double base)
{
    if (base <= 6000)
        return 0.37;
    if (base <= 12000)
        return 0.29;
    if (base <= 17500)
        return 0.26;
    return 0.2;
}

} // namespace

void addZincSurcharge(CantileverState& state, QList<quote::QuoteRow>& rows)
{
    state.aliquotaZinc = 0;
    if (!state.presAAA)
        return;
    const double base = zincBase(rows);
    state.aliquotaZinc = zincRate(base);
    quote::QuoteRow zinc;
    zinc.code = QStringLiteral("ZINC");
    zinc.descr = QStringLiteral("Sovrapprezzo per zincatura a caldo");
    zinc.quantity = 1;
    zinc.emptyMeasure = !state.endsOnAAA;
    zinc.price = base * state.aliquotaZinc;
    zinc.sortKey = kZincSortKey;
    rows.append(zinc);
}

} // namespace zuvo::racking
