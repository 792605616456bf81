#pragma once

#include "quote_sheet/quote_row.h"

#include <QList>
#include <QString>
#include <functional>
#include <optional>

namespace zuvo::quote {

// Which rows a search for a code reads: the whole list, or all but its last row (the current
// order line's own row, while no rule has added rows below it).
enum class SearchRange { WholeList, BeforeLastRow };

// The index of the last row in `range` whose code is exactly `code`.
std::optional<qsizetype> lastIndexOfCode(const QList<QuoteRow>& rows, const QString& code,
                                         SearchRange range);

// A row's new quantity from its current one (0 for a row not yet in the list).
using RowQuantity = std::function<double(double current)>;

// The row a code gets when the list has none: each builder fills in its own columns.
using NewRow = std::function<QuoteRow(const QString& code, double quantity)>;

// Gives the last row of `code` in the whole list its new quantity, or appends
// newRow(code, quantity(0)). An empty code names no article: nothing changes. True when a row
// was appended.
bool addToCodeRow(QList<QuoteRow>& rows, const QString& code, const RowQuantity& quantity,
                  const NewRow& newRow);

} // namespace zuvo::quote
