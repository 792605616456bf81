#include "mezzanine_rules/grouped_articles.h"

#include <QStringList>

namespace zuvo::mezzanine {

namespace {

const QString kRailingCount = QStringLiteral("F0284018");
const QString kSplitArticle = QStringLiteral("F0284044");
constexpr double kSplitPerRailingCount = 5;

bool isRailing(const QString& code)
{
    static const QStringList codes{QStringLiteral("F0281714"), QStringLiteral("F0284018"),
                                   QStringLiteral("F0284020"), QStringLiteral("F0284047"),
                                   QStringLiteral("F0284040"), QStringLiteral("F0284049")};
    return codes.contains(code);
}

bool isGate(const QString& code)
{
    static const QStringList codes{QStringLiteral("F0281805"), QStringLiteral("F0281810"),
                                   QStringLiteral("F0281815"), QStringLiteral("F0281820")};
    return codes.contains(code);
}

bool isStair(const QString& code)
{
    return code.startsWith(QLatin1String("SCALA"));
}

} // namespace

GroupedArticles groupAccessories(const QList<quote::QuoteRow>& sorted)
{
    GroupedArticles grouped;
    double railingCount = 0;
    for (const quote::QuoteRow& row : sorted) {
        if (isRailing(row.code)) {
            if (row.code == kRailingCount)
                railingCount = row.quantity;
            grouped.railings.rows.append(row);
        } else if (isGate(row.code)) {
            grouped.gates.rows.append(row);
        } else if (isStair(row.code)) {
            grouped.stairs.rows.append(row);
        } else if (row.code == kSplitArticle && !grouped.railings.isEmpty()) {
            quote::QuoteRow share = row;
            share.quantity = kSplitPerRailingCount * railingCount;
            grouped.railings.rows.append(share);
            ++grouped.railings.splitRows;
            grouped.list.append(row);
            grouped.list.last().quantity -= share.quantity;
        } else {
            grouped.list.append(row);
        }
    }
    return grouped;
}

} // namespace zuvo::mezzanine
