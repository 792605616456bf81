#include "racking/family_closing.h"

#include "quote_sheet/article_list.h"
#include "quote_sheet/document_total_box.h"
#include "quote_sheet/pricing.h"
#include "quote_sheet/section_total.h"
#include "racking/drive_in_regrouping.h"
#include "racking/page_layout.h"

namespace zuvo::racking {

using sheet::CellInput;
using sheet::RangeAddress;

void writePricedRows(sheet::Sheet& sheet, int firstRow, const QList<PricedRow>& rows)
{
    if (rows.isEmpty())
        return;
    quote::ArticleList list(firstRow);
    QList<sheet::CellRow> pricing;
    for (const PricedRow& priced : rows) {
        list.append(priced.row);
        pricing.append({CellInput::of(priced.discount), CellInput::formula(priced.amountFormula)});
    }
    quote::writeArticleRows(sheet, list);
    sheet.writeBlock(firstRow, quote::kColDiscount, pricing);
}

QString listSum(const QList<RowSpan>& spans)
{
    if (spans.isEmpty())
        return QStringLiteral("=0");
    QStringList terms;
    for (const RowSpan& span : spans)
        terms << QStringLiteral("R%1C:R%2C").arg(span.first).arg(span.last);
    return QStringLiteral("=SUM(%1)").arg(terms.join(QLatin1Char(',')));
}

void writeTotalRow(sheet::Sheet& sheet, int row, const QString& label, const QString& sumR1C1)
{
    quote::writeSectionTotal(sheet, row, label, sumR1C1);
    sheet.setNumberFormat(RangeAddress::cell(row, quote::kColAmount), quote::kDocumentTotalFormat);
}

namespace {

// Writes the rows block by block and returns the spans they occupy.
QList<RowSpan> writeOverPages(RackingRun& run, const QList<PricedRow>& rows, ListEnding ending)
{
    const QList<qsizetype> counts = splitOverPages(rows.size(), ending);
    QList<RowSpan> spans;
    qsizetype from = 0;
    for (qsizetype block = 0; block < counts.size(); ++block) {
        if (block > 0)
            openContinuationPage(run);
        const int first = pageRow(run, quote::kListFirstPageRow);
        writePricedRows(run.sheet, first, rows.mid(from, counts[block]));
        if (counts[block] > 0)
            spans.append({first, first + int(counts[block]) - 1});
        from += counts[block];
    }
    return spans;
}

// The row below the list and its empty row: where its section total row goes.
int rowBelow(const RackingRun& run, const QList<RowSpan>& spans)
{
    const int lastListRow =
        spans.isEmpty() ? pageRow(run, quote::kListFirstPageRow) - 1 : spans.last().last;
    return lastListRow + 2;
}

// The document-total box at page rows 48 and 49; the conditions block goes below it.
void writeDocumentTotalBox(RackingRun& run, const QString& sumR1C1)
{
    const int labelRow = pageRow(run, kBoxLabelPageRow);
    quote::writeDocumentTotalBox(run.sheet, labelRow, sumR1C1);
    run.rigaTotale = labelRow + 1;
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
        writeDocumentTotalBox(run, listSum(spans));
        return;
    }
    run.rigaTotale = rowBelow(run, spans);
    writeTotalRow(run.sheet, run.rigaTotale, totalLabelOf(family), listSum(spans));
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
