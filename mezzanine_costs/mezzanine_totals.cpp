#include "mezzanine_costs/mezzanine_totals.h"

namespace zuvo::mezzanine {

namespace {

// The rows of the total lines written so far; an article is never one of them, whatever its
// description.
QList<int> totalRows(const CostSheetBody& body)
{
    QList<int> rows;
    for (int row = body.firstRow; row < body.endRow(); ++row) {
        if (body.at(row).kind == BodyLine::Kind::Total)
            rows.append(row);
    }
    return rows;
}

} // namespace

void addMezzanineTotals(MezzanineRun& run)
{
    CostSheetBody& body = run.body;
    const int rigaTotSoppalco = run.list.endRow() + 1;
    body.at(rigaTotSoppalco) = BodyLine::total(QStringLiteral("TOTALE SOLO SOPPALCO"),
                                               {AmountSum::Form::FromRow, run.list.firstRow(), {}});
    body.rigaTotComplessivo = rigaTotSoppalco;
    if (run.flags.flgParapetti || run.flags.flgCancelli || run.flags.flgScale) {
        const QList<int> totals = totalRows(body);
        body.rigaTotComplessivo = body.append(BodyLine::total(
            QStringLiteral("TOTALE SOPPALCO COMPLETO"), {AmountSum::Form::Rows, 0, totals}));
        body.append(BodyLine::blank());
    }
    body.rigaGruppo = body.rigaTotComplessivo;
}

} // namespace zuvo::mezzanine
