#include "mezzanine_costs/body_writer.h"

#include "quote_sheet/page_geometry.h"
#include "quote_sheet/section_total.h"

#include <QMap>

namespace zuvo::mezzanine {

namespace {

using quote::kColAmount;
using quote::kColDescr;
using sheet::CellInput;
using sheet::CellRow;
using sheet::RangeAddress;

CellRow emptyRow()
{
    return CellRow(kColAmount, CellInput::nothing());
}

QString relative(int offset)
{
    return QStringLiteral("R[%1]C").arg(offset);
}

CellRow lineCells(const BodyLine& line, int bodyRow, const PageBlocks& blocks,
                  const quote::Discount& discount)
{
    CellRow cells = emptyRow();
    switch (line.kind) {
    case BodyLine::Kind::Blank:
        break;
    case BodyLine::Kind::Article:
        return quote::quoteRowCells(line.article, discount);
    case BodyLine::Kind::Total:
        cells[kColDescr - 1] = CellInput::of(line.label);
        cells[kColAmount - 1] = CellInput::formula(sumFormula(line.sum, bodyRow, blocks));
        break;
    case BodyLine::Kind::Fee:
        cells[kColDescr - 1] = CellInput::of(line.label);
        cells[kColAmount - 1] = CellInput::of(line.fee);
        break;
    case BodyLine::Kind::Note:
        cells[kColDescr - 1] = CellInput::of(line.label);
        break;
    }
    return cells;
}

// Every row to write, by sheet row: the rows the list left, then the body over them, then
// the continuation marks.
QMap<int, CellRow> sheetRows(const CostSheetBody& body, const PageBlocks& blocks,
                             const quote::Discount& discount)
{
    QMap<int, CellRow> rows;
    for (int row = body.firstRow; row < body.sheetListEnd; ++row)
        rows.insert(row, emptyRow());
    for (int row = body.firstRow; row < body.endRow(); ++row)
        rows.insert(blocks.sheetRow(row), lineCells(body.at(row), row, blocks, discount));
    for (int block = 1; block < blocks.count(); ++block) {
        CellRow mark = emptyRow();
        mark[kColAmount - 1] = CellInput::of(quote::kContinuesText);
        rows.insert(quote::sheetRowOf(quote::pageBlockFirstRow(block), quote::kContinuesPageRow), mark);
    }
    return rows;
}

// One block write per run of adjacent rows.
void writeRows(sheet::Sheet& sheet, const QMap<int, CellRow>& rows)
{
    QList<CellRow> run;
    int runFirst = 0;
    for (auto it = rows.begin(); it != rows.end(); ++it) {
        if (!run.isEmpty() && it.key() != runFirst + run.size()) {
            sheet.writeBlock(runFirst, 1, run);
            run.clear();
        }
        if (run.isEmpty())
            runFirst = it.key();
        run.append(it.value());
    }
    if (!run.isEmpty())
        sheet.writeBlock(runFirst, 1, run);
}

QList<int> measuredSheetRows(const CostSheetBody& body, const PageBlocks& blocks)
{
    QList<int> measured;
    for (int row = body.firstRow; row < body.endRow(); ++row) {
        const BodyLine& line = body.at(row);
        if (line.kind == BodyLine::Kind::Article && line.article.hasMeasure())
            measured.append(blocks.sheetRow(row));
    }
    return measured;
}

void styleLine(sheet::Sheet& sheet, const BodyLine& line, int sheetRow)
{
    switch (line.kind) {
    case BodyLine::Kind::Blank:
    case BodyLine::Kind::Article:
        break;
    case BodyLine::Kind::Total:
        quote::styleSectionTotal(sheet, sheetRow);
        break;
    case BodyLine::Kind::Fee:
        sheet.setBold(RangeAddress::cell(sheetRow, kColDescr), true);
        sheet.setBold(RangeAddress::cell(sheetRow, kColAmount), true);
        break;
    case BodyLine::Kind::Note:
        sheet.setBold(RangeAddress::cell(sheetRow, kColDescr), true);
        break;
    }
}

} // namespace

QString sumFormula(const AmountSum& sum, int bodyRow, const PageBlocks& blocks)
{
    QStringList terms;
    const int totalRow = blocks.sheetRow(bodyRow);
    if (sum.form == AmountSum::Form::Rows) {
        for (int row : sum.rows)
            terms << QStringLiteral("R%1C%2").arg(blocks.sheetRow(row)).arg(kColAmount);
    } else {
        const int first = blocks.sheetRow(sum.first);
        const QString start = sum.form == AmountSum::Form::FromRow ? QStringLiteral("R%1C").arg(first)
                                                                   : relative(first - totalRow);
        terms << start + QLatin1Char(':') + relative(blocks.sheetRow(bodyRow - 2) - totalRow);
    }
    return QStringLiteral("=SUM(%1)").arg(terms.join(QLatin1Char(',')));
}

void writeBody(sheet::Sheet& sheet, const CostSheetBody& body, const PageBlocks& blocks,
               const quote::Discount& discount)
{
    writeRows(sheet, sheetRows(body, blocks, discount));
    quote::formatMeasures(sheet, measuredSheetRows(body, blocks));
    for (int row = body.firstRow; row < body.endRow(); ++row)
        styleLine(sheet, body.at(row), blocks.sheetRow(row));
}

} // namespace zuvo::mezzanine
