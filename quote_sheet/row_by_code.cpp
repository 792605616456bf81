#include "quote_sheet/row_by_code.h"

namespace zuvo::quote {

std::optional<qsizetype> lastIndexOfCode(const QList<QuoteRow>& rows, const QString& code,
                                         SearchRange range)
{
    const qsizetype end = range == SearchRange::WholeList ? rows.size() : rows.size() - 1;
    for (qsizetype i = end - 1; i >= 0; --i) {
        if (rows[i].code == code)
            return i;
    }
    return std::nullopt;
}

bool addToCodeRow(QList<QuoteRow>& rows, const QString& code, const RowQuantity& quantity,
                  const NewRow& newRow)
{
    if (code.isEmpty())
        return false;
    if (const auto found = lastIndexOfCode(rows, code, SearchRange::WholeList)) {
        QuoteRow& row = rows[*found];
        row.quantity = quantity(row.quantity);
        return false;
    }
    rows.append(newRow(code, quantity(0)));
    return true;
}

} // namespace zuvo::quote
