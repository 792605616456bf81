#include "mezzanine_costs/accessory_groups.h"

namespace zuvo::mezzanine {

namespace {

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
