#pragma once

#include "spreadsheet/sheet.h"

#include <QString>
#include <array>
#include <optional>

namespace zuvo::quote {

// One row of the terms of sale: a term in column A and one in column C.
struct ConditionTerm {
    QString left;
    QString right;
};
using ConditionTerms = std::array<ConditionTerm, 5>;

// The transport term when the customer pays the carrier.
inline const QString kTransportAssigned = QStringLiteral("Porto: ASSEGNATO");

// The assembly and the safety term: the charge when there is one, else excluded.
QString assemblyTerm(const std::optional<QString>& charge = std::nullopt);
QString safetyTerm(const std::optional<QString>& charge = std::nullopt);

// The terms of sale that differ between the programs; the rest are the same in all three.
struct TermChoices {
    QString price = QStringLiteral("Prezzo: LISTINO");
    QString transport = kTransportAssigned;
    QString assembly = assemblyTerm();
    QString safety = safetyTerm();
    // The cost sheet's delivery term ends "D.R.O." with a full stop, the racking quote's and
    // the letter's "D.R.O" without one: each as the office has always printed it.
    bool deliveryFullStop = false;
};

// The five rows of the terms of sale with the given choices.
ConditionTerms termsOfSale(const TermChoices& choices);

enum class ConditionsHeading { GreyBox, BoldOnly };

// The conditions block: "Condizioni:" in column A of `headingRow` (bold, across A to G in the
// grey box when asked), the five terms in the rows below, framed together as one box.
void writeConditionsBlock(sheet::Sheet& sheet, int headingRow, const ConditionTerms& terms,
                          ConditionsHeading heading);

} // namespace zuvo::quote
