#include "racking/family_closing.h"

#include "racking/drive_in_regrouping.h"
#include "racking/list_writing.h"
#include "racking/page_layout.h"

namespace zuvo::racking {

namespace {

// Writes the rows block by block and returns the spans they occupy.
QList<RowSpan> writeOverPages(RackingRun& run, const QList<PricedRow>& rows, ListEnding ending)
{
    const QList<int> sheetRows = placeLines(run, rows.size(), ending);
    writePricedRows(run.sheet, sheetRows, rows);
    return spansOf(sheetRows);
}

// The row below the list and its empty row: where its section total row goes.
int rowBelow(const RackingRun& run, const QList<RowSpan>& spans)
{
    const int lastListRow =
        spans.isEmpty() ? pageRow(run, quote::kListFirstPageRow) - 1 : spans.last().last;
    return lastListRow + 2;
}

ListEnding endingOf(const RackingRun& run, Family family)
{
    if (!run.hasOtherFamilies(family))
        return ListEnding::Alone;
    return run.famiglieDaChiudere > 1 ? ListEnding::AnotherFamilyFollows
                                      : ListEnding::LastOfSeveral;
}

} // namespace

void writeAndCloseFamily(RackingRun& run, Family family, const QList<PricedRow>& rows)
{
    const ListEnding ending = endingOf(run, family);
    if (ending == ListEnding::Alone && family == Family::DriveIn) {
        writeDriveInRegrouping(run, rows);
        return;
    }
    const QList<RowSpan> spans = writeOverPages(run, rows, ending);
    if (ending == ListEnding::Alone) {
        writeDocumentTotalBox(run, amountSum(spans));
        return;
    }
    run.rigaTotale = rowBelow(run, spans);
    writeTotalRow(run.sheet, run.rigaTotale, totalLabelOf(family), amountSum(spans));
    run.rigaTotaleFamiglia[indexOf(family)] = run.rigaTotale;
    --run.famiglieDaChiudere;
    if (run.famiglieDaChiudere > 0)
        openContinuationPage(run);
}

void writeDocumentTotalOverFamilies(RackingRun& run)
{
    if (run.numFamiglie < 2)
        return;
    QStringList terms;
    for (Family family : kFamilyOrder) {
        if (run.isPresent(family))
            terms << QStringLiteral("R%1C").arg(run.rigaTotaleFamiglia[indexOf(family)]);
    }
    writeDocumentTotalBox(run, QStringLiteral("=SUM(%1)").arg(terms.join(QLatin1Char(','))));
}

} // namespace zuvo::racking
