#include "mezzanine_costs/accessory_groups.h"

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

// Appends a group's rows, an empty row, its total and an empty row. The railing total reaches
// one row above its rows when no split row is among them.
void appendGroup(CostSheetBody& body, const AccessoryGroup& group, bool railing)
{
    const int firstRow = body.endRow();
    for (const quote::QuoteRow& row : group.rows)
        body.append(BodyLine::articleRow(row));
    body.append(BodyLine::blank());
    const int reachAbove = (railing && group.splitRows == 0) ? 1 : 0;
    body.append(BodyLine::total(group.totalLabel, {AmountSum::Form::Above, firstRow - reachAbove, {}}));
    body.append(BodyLine::blank());
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

void formAccessoryGroups(MezzanineRun& run)
{
    const GroupedArticles grouped = groupAccessories(run.list.rows());
    run.body = CostSheetBody{};
    run.body.sheetListEnd = run.list.endRow();
    run.list.rows() = grouped.list;
    run.flags = {!grouped.railings.isEmpty(), !grouped.gates.isEmpty(), !grouped.stairs.isEmpty()};

    run.body.firstRow = run.list.firstRow();
    for (const quote::QuoteRow& row : grouped.list)
        run.body.append(BodyLine::articleRow(row));
    for (int i = 0; i < 3; ++i)
        run.body.append(BodyLine::blank());
    if (!grouped.railings.isEmpty())
        appendGroup(run.body, grouped.railings, true);
    if (!grouped.gates.isEmpty())
        appendGroup(run.body, grouped.gates, false);
    if (!grouped.stairs.isEmpty())
        appendGroup(run.body, grouped.stairs, false);
    run.body.rigaGruppo = run.body.endRow();
}

} // namespace zuvo::mezzanine
