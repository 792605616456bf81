#pragma once

#include "quote_sheet/page_geometry.h"
#include "racking/racking_run.h"

#include <QList>
#include <QtGlobal>

namespace zuvo::racking {

// Below a racking page block's body: the document-total box at page rows 48 and 49, the
// conditions block at page rows 51 to 56.
inline constexpr int kBoxLabelPageRow = 48;

// What follows a family list on its last page block, which fixes how far the list may
// reach there: a section total row and "segue..." (another family follows), a section
// total row and the document-total box (last of several families), or the box alone.
enum class ListEnding { AnotherFamilyFollows, LastOfSeveral, Alone };

// The number of list rows on each page block a list of `rowCount` rows occupies: one block
// when the list fits above what follows it, else full blocks, each continued on the next,
// and the rest (at least one row) on the last.
QList<qsizetype> splitOverPages(qsizetype rowCount, ListEnding ending);

// Places the lines of a list from page row 10 of the current page block on, over further
// blocks as splitOverPages gives them, and opens the continuation pages they need. Gives
// the sheet row of each line.
QList<int> placeLines(RackingRun& run, qsizetype lineCount, ListEnding ending);

// Sheet row of page row `pageRow` of the current page block.
inline int pageRow(const RackingRun& run, int pageRow)
{
    return quote::sheetRowOf(run.rigaPagina, pageRow);
}

// Writes "segue..." on the current page block and opens the next one: page rows 1 to 42
// copied there with their formats, its list rows (page rows 10 to 42) emptied and not bold.
void openContinuationPage(RackingRun& run);

} // namespace zuvo::racking
