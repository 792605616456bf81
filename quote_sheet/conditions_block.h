#pragma once

#include "spreadsheet/sheet.h"

#include <QString>
#include <array>

namespace zuvo::quote {

// One row of the terms of sale: a term in column A and one in column C.
struct ConditionTerm {
    QString left;
    QString right;
};
using ConditionTerms = std::array<ConditionTerm, 5>;

enum class ConditionsHeading { GreyBox, BoldOnly };

// The conditions block: "Condizioni:" in column A of `headingRow` (bold, across A to G in the
// grey box when asked), the five terms in the rows below, framed together as one box.
void writeConditionsBlock(sheet::Sheet& sheet, int headingRow, const ConditionTerms& terms,
                          ConditionsHeading heading);

} // namespace zuvo::quote
