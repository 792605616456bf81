#include "mezzanine_costs/page_blocks.h"

#include "quote_sheet/page_geometry.h"

#include <algorithm>

namespace zuvo::mezzanine {

namespace {

using namespace quote;

constexpr int kOnePageLastNoteRow = 46;
constexpr int kOnePageDocumentTotalPageRow = 48;
constexpr int kContinuedDocumentTotalPageRow = 44;
constexpr int kBodyRowsPerBlock = kBodyLastPageRow - kListFirstPageRow + 1;
// A continued body moves down by the rows between one block's ruled body and the next's.
constexpr int kBlockShift = kPageRows - kBodyRowsPerBlock;

// The last body row that block `count` of a continued body can take as its note.
constexpr int lastNoteRow(int count)
{
    return kBodyLastPageRow + kBodyRowsPerBlock * (count - 1) + 1;
}

} // namespace

PageBlocks PageBlocks::forNoteRow(int noteRow)
{
    if (noteRow <= kOnePageLastNoteRow)
        return PageBlocks(1);
    int count = 2;
    while (noteRow > lastNoteRow(count))
        ++count;
    return PageBlocks(count);
}

int PageBlocks::sheetRow(int bodyRow) const
{
    if (count_ == 1 || bodyRow <= kBodyLastPageRow)
        return bodyRow;
    const int block = std::min(count_, 2 + (bodyRow - kBodyLastPageRow - 1) / kBodyRowsPerBlock);
    return bodyRow + kBlockShift * (block - 1);
}

int PageBlocks::documentTotalRow() const
{
    if (count_ == 1)
        return kOnePageDocumentTotalPageRow;
    return sheetRowOf(lastBlockFirstRow(), kContinuedDocumentTotalPageRow);
}

int PageBlocks::lastBlockFirstRow() const
{
    return pageBlockFirstRow(count_);
}

} // namespace zuvo::mezzanine
