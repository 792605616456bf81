#pragma once

#include "quote_sheet/quote_row.h"
#include "racking/family.h"

#include <QList>
#include <QString>

namespace zuvo::racking {

// A quote row with its discount percent and amount formula (R1C1, own row only).
struct PricedRow {
    quote::QuoteRow row;
    double discount = 0;
    QString amountFormula;
};

// The pricing pass of a family list: every row gets the discount of the discount box and
// its amount formula (per metre for the family's metre codes with a measure; the drive-in
// and sat-drive cutting charge at 5 % of `valoreF0801`, undiscounted); drive-in and
// sat-drive "FM02516" rows count three times. The rows are then put in ascending order of
// their sort key, rows with equal keys keeping their order.
QList<PricedRow> priceFamilyList(Family family, const QList<quote::QuoteRow>& rows,
                                 const QString& discountText, double valoreF0801);

} // namespace zuvo::racking
