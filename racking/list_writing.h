#pragma once

#include "quote_sheet/document_total_box.h"
#include "racking/family_pricing.h"
#include "racking/page_layout.h"
#include "racking/racking_run.h"

#include <QList>
#include <QString>

namespace zuvo::racking {

// Consecutive sheet rows of a list.
struct RowSpan {
    int first = 0;
    int last = 0;
};

// The runs of consecutive rows among ascending sheet rows.
QList<RowSpan> spansOf(const QList<int>& rows);

// The R1C1 sum of the amounts over the spans; "=0" when there is none.
QString amountSum(const QList<RowSpan>& spans);

// Writes priced rows at their sheet rows (ascending), one block per run of consecutive rows.
void writePricedRows(sheet::Sheet& sheet, const QList<int>& sheetRows,
                     const QList<PricedRow>& rows);

// A section total row: its label and the sum, bold, the sum in the document total's currency.
void writeTotalRow(sheet::Sheet& sheet, int row, const QString& label, const QString& sumR1C1);

// The document-total box at page rows 48 and 49, holding an R1C1 sum or a fixed number; the
// conditions block goes below it.
template <typename Total>
void writeDocumentTotalBox(RackingRun& run, const Total& total)
{
    const int labelRow = pageRow(run, kBoxLabelPageRow);
    quote::writeDocumentTotalBox(run.sheet, labelRow, total);
    run.rigaTotale = labelRow + 1;
}

} // namespace zuvo::racking
