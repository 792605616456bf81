#include "quote_sheet/pricing.h"

#include "common/number_parse.h"

namespace zuvo::quote {

using sheet::CellInput;
using sheet::RangeAddress;

Discount Discount::fromText(const QString& text)
{
    if (text == QLatin1String(" "))
        return {false, 0};
    return {true, lenientNumber(text)};
}

QString amountFormula(bool byMeasure, bool discounted)
{
    if (byMeasure)
        return discounted ? QStringLiteral("=RC3*RC4*RC5-RC3*RC4*RC5*RC6/100")
                          : QStringLiteral("=RC3*RC4*RC5");
    return discounted ? QStringLiteral("=RC3*RC5-RC3*RC5*RC6/100") : QStringLiteral("=RC3*RC5");
}

namespace {

bool anySortKey(const ArticleList& list)
{
    for (const QuoteRow& row : list.rows()) {
        if (row.sortKey)
            return true;
    }
    return false;
}

CellInput measureCell(const QuoteRow& row)
{
    if (row.hasMeasure())
        return CellInput::of(row.measure);
    return CellInput::of(row.emptyMeasure ? QString() : kNoMeasure);
}

sheet::CellRow articleCells(const QuoteRow& row)
{
    return {CellInput::of(row.code), CellInput::of(row.descr), CellInput::of(row.quantity),
            measureCell(row), CellInput::of(row.price)};
}

sheet::CellRow pricingCells(const QuoteRow& row, const Discount& discount)
{
    return {discount.given ? CellInput::of(discount.percent) : CellInput::nothing(),
            CellInput::formula(amountFormula(row.hasMeasure(), discount.given))};
}

QuoteRow rowFromCells(const QList<sheet::Cell>& cells)
{
    QuoteRow row;
    row.code = cells[kColCode - 1].toText();
    row.descr = cells[kColDescr - 1].toText();
    row.quantity = cells[kColQuantity - 1].toNumber();
    row.measure = cells[kColMeasure - 1].toNumber();
    row.numericMeasure = cells[kColMeasure - 1].isNumber();
    row.price = cells[kColPrice - 1].toNumber();
    if (cells[kColSortKey - 1].isNumber())
        row.sortKey = cells[kColSortKey - 1].number;
    return row;
}

} // namespace

sheet::CellRow quoteRowCells(const QuoteRow& row, const Discount& discount)
{
    return articleCells(row) + pricingCells(row, discount);
}

void formatMeasures(sheet::Sheet& sheet, const QList<int>& measuredRows)
{
    for (qsizetype i = 0; i < measuredRows.size();) {
        qsizetype end = i + 1;
        while (end < measuredRows.size() && measuredRows[end] == measuredRows[end - 1] + 1)
            ++end;
        sheet.setNumberFormat(
            RangeAddress::rows(measuredRows[i], measuredRows[end - 1], kColMeasure, kColMeasure),
            kMeasureFormat);
        i = end;
    }
}

void writeArticleRows(sheet::Sheet& sheet, const ArticleList& list)
{
    if (list.isEmpty())
        return;
    const bool withSortKey = anySortKey(list);
    QList<sheet::CellRow> block;
    block.reserve(list.size());
    QList<int> measuredRows;
    for (const QuoteRow& row : list.rows()) {
        sheet::CellRow cells = articleCells(row);
        if (withSortKey) {
            cells << CellInput::nothing() << CellInput::nothing()
                  << (row.sortKey ? CellInput::of(*row.sortKey) : CellInput::nothing());
        }
        if (row.hasMeasure())
            measuredRows << list.firstRow() + int(block.size());
        block.append(cells);
    }
    sheet.writeBlock(list.firstRow(), kColCode, block);
    formatMeasures(sheet, measuredRows);
}

void sortArticles(sheet::Sheet& sheet, ArticleList& list, int keyColumn)
{
    if (list.isEmpty())
        return;
    const auto range = RangeAddress::rows(list.firstRow(), list.endRow() - 1, kColCode, kColSortKey);
    sheet.sortRows(range, keyColumn);
    const auto cells = sheet.cells(range);
    for (qsizetype i = 0; i < cells.size(); ++i)
        list.rows()[i] = rowFromCells(cells[i]);
}

} // namespace zuvo::quote
