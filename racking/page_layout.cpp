#include "racking/page_layout.h"

#include "quote_sheet/quote_row.h"

namespace zuvo::racking {

namespace {

using sheet::RangeAddress;

using quote::kBodyLastPageRow;
using quote::kListFirstPageRow;

constexpr int kLastColumn = quote::kColAmount;

int lastListPageRow(ListEnding ending)
{
    switch (ending) {
    case ListEnding::AnotherFamilyFollows:
        return 41;  // total row at 43, "segue..." at 44
    case ListEnding::LastOfSeveral:
        return 45;  // total row at 47, box at 48
    case ListEnding::Alone:
        return 47;  // box at 48
    }
    return 41;
}

} // namespace

QList<qsizetype> splitOverPages(qsizetype rowCount, ListEnding ending)
{
    const qsizetype lastBlock = lastListPageRow(ending) - kListFirstPageRow + 1;
    const qsizetype fullBlock = kBodyLastPageRow - kListFirstPageRow + 1;
    QList<qsizetype> counts;
    qsizetype rest = rowCount;
    while (rest > lastBlock) {
        const qsizetype here = std::min(fullBlock, rest - 1);
        counts.append(here);
        rest -= here;
    }
    counts.append(rest);
    return counts;
}

QList<int> placeLines(RackingRun& run, qsizetype lineCount, ListEnding ending)
{
    const QList<qsizetype> counts = splitOverPages(lineCount, ending);
    QList<int> rows;
    for (qsizetype block = 0; block < counts.size(); ++block) {
        if (block > 0)
            openContinuationPage(run);
        const int first = pageRow(run, kListFirstPageRow);
        for (int i = 0; i < counts[block]; ++i)
            rows << first + i;
    }
    return rows;
}

void openContinuationPage(RackingRun& run)
{
    run.sheet.write(pageRow(run, quote::kContinuesPageRow), kLastColumn,
                    sheet::CellInput::of(quote::kContinuesText));
    const int firstRow = pageRow(run, 1);
    const int lastRow = pageRow(run, kBodyLastPageRow);
    run.rigaPagina += quote::kPageRows;
    run.sheet.copyRows(firstRow, lastRow, run.rigaPagina);
    // The sort keys of the copied list rows go too; the column headings of page row 9 stay.
    const auto body = RangeAddress::rows(pageRow(run, kListFirstPageRow),
                                         pageRow(run, kBodyLastPageRow), 1, quote::kColSortKey);
    run.sheet.clearContents(body);
    run.sheet.setBold(body, false);
    // A family total inside the copied rows brought its currency format along; the amounts of
    // the new page take the list's own format, that of page row 10, which never holds a total.
    const int firstListRow = pageRow(run, kListFirstPageRow);
    run.sheet.setNumberFormat(
        RangeAddress::rows(firstListRow, pageRow(run, kBodyLastPageRow), kLastColumn, kLastColumn),
        run.sheet.numberFormat(firstListRow, kLastColumn));
}

} // namespace zuvo::racking
