#include "racking/list_writing.h"

#include "quote_sheet/article_list.h"
#include "quote_sheet/pricing.h"
#include "quote_sheet/section_total.h"

namespace zuvo::racking {

using sheet::CellInput;

namespace {

void writeConsecutiveRows(sheet::Sheet& sheet, int firstRow, const QList<PricedRow>& rows)
{
    quote::ArticleList list(firstRow);
    QList<sheet::CellRow> pricing;
    for (const PricedRow& priced : rows) {
        list.append(priced.row);
        pricing.append({CellInput::of(priced.discount), CellInput::formula(priced.amountFormula)});
    }
    quote::writeArticleRows(sheet, list);
    sheet.writeBlock(firstRow, quote::kColDiscount, pricing);
}

} // namespace

QList<RowSpan> spansOf(const QList<int>& rows)
{
    QList<RowSpan> spans;
    for (int row : rows) {
        if (!spans.isEmpty() && spans.last().last + 1 == row)
            spans.last().last = row;
        else
            spans.append({row, row});
    }
    return spans;
}

QString amountSum(const QList<RowSpan>& spans)
{
    if (spans.isEmpty())
        return QStringLiteral("=0");
    QStringList terms;
    for (const RowSpan& span : spans)
        terms << QStringLiteral("R%1C:R%2C").arg(span.first).arg(span.last);
    return QStringLiteral("=SUM(%1)").arg(terms.join(QLatin1Char(',')));
}

void writePricedRows(sheet::Sheet& sheet, const QList<int>& sheetRows,
                     const QList<PricedRow>& rows)
{
    qsizetype from = 0;
    for (const RowSpan& span : spansOf(sheetRows)) {
        const qsizetype count = span.last - span.first + 1;
        writeConsecutiveRows(sheet, span.first, rows.mid(from, count));
        from += count;
    }
}

void writeTotalRow(sheet::Sheet& sheet, int row, const QString& label, const QString& sumR1C1)
{
    quote::writeSectionTotal(sheet, row, label, sumR1C1);
    sheet.setNumberFormat(sheet::RangeAddress::cell(row, quote::kColAmount),
                          quote::kDocumentTotalFormat);
}

} // namespace zuvo::racking
