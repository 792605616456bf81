#pragma once

#include <QString>
#include <optional>

namespace zuvo::quote {

// Columns of a quote row.
enum Column {
    kColCode = 1,
    kColDescr = 2,
    kColQuantity = 3,
    kColMeasure = 4,
    kColPrice = 5,
    kColDiscount = 6,
    kColAmount = 7,
    kColSortKey = 8,
};

// One article of the quote: code, description, quantity, measure (0 means none: the cell
// then holds the one-blank marker " "), unit price and, for racking, the sort key.
struct QuoteRow {
    QString code;
    QString descr;
    double quantity = 0;
    double measure = 0;
    double price = 0;
    std::optional<double> sortKey;
    // A measure that a rule computed is shown as a number even when it is 0.
    bool numericMeasure = false;
    // A rule that sets the price by the measure itself leaves the measure cell empty, not " ".
    bool emptyMeasure = false;

    bool hasMeasure() const { return numericMeasure || measure != 0; }
};

// The text that marks a row without measure in the measure column.
inline const QString kNoMeasure = QStringLiteral(" ");
inline const QString kMeasureFormat = QStringLiteral("0.00");

} // namespace zuvo::quote
