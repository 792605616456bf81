#include "mezzanine_costs/page_layout.h"

#include "mezzanine_costs/body_writer.h"
#include "mezzanine_costs/page_blocks.h"
#include "quote_sheet/boxes.h"
#include "quote_sheet/page_geometry.h"
#include "quote_sheet/quote_row.h"

namespace zuvo::mezzanine {

namespace {

using sheet::RangeAddress;

// The first block keeps the template's ruled body. Below it, down to the document total, the
// template's borders give way to a ruled body under the column headings of every further block.
void ruleContinuationBlocks(sheet::Sheet& sheet, const PageBlocks& blocks)
{
    quote::clearBorders(sheet, RangeAddress::rows(quote::kBodyLastPageRow + 1, blocks.documentTotalRow(),
                                                  1, quote::kColAmount));
    for (int block = 2; block <= blocks.count(); ++block) {
        const int first = quote::pageBlockFirstRow(block);
        quote::columnBoxes(sheet, RangeAddress::rows(quote::sheetRowOf(first, quote::kListFirstPageRow),
                                                     quote::sheetRowOf(first, quote::kBodyLastPageRow),
                                                     1, quote::kColAmount));
    }
}

// The page header and the row of column headings above the body, as the first block has them.
void repeatPageHeader(sheet::Sheet& sheet, const PageBlocks& blocks)
{
    for (int block = 2; block <= blocks.count(); ++block)
        sheet.copyRows(1, quote::kBodyFirstPageRow, quote::pageBlockFirstRow(block));
}

} // namespace

void layOutPages(MezzanineRun& run)
{
    CostSheetBody& body = run.body;
    const PageBlocks blocks = PageBlocks::forNoteRow(body.rigaProve);
    if (blocks.continues())
        ruleContinuationBlocks(run.sheet, blocks);
    writeBody(run.sheet, body, blocks, run.discount);
    if (blocks.continues())
        repeatPageHeader(run.sheet, blocks);

    body.rigaTotComplessivo = blocks.sheetRow(body.rigaTotComplessivo);
    body.rigaProve = blocks.sheetRow(body.rigaProve);
    body.rigaGruppo = blocks.documentTotalRow();
    run.rigaPagina = blocks.lastBlockFirstRow();
}

} // namespace zuvo::mezzanine
