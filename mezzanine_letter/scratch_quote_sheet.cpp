#include "mezzanine_letter/scratch_quote_sheet.h"

#include "mezzanine_letter/scratch_article_list.h"
#include "mezzanine_letter/scratch_closing.h"
#include "mezzanine_letter/scratch_groups.h"
#include "mezzanine_letter/scratch_run.h"

namespace zuvo::letter {

LetterValues fillScratchQuoteSheet(sheet::Sheet scratch, const db::PriceList& priceList,
                                   const QList<quote::OrderLine>& orders,
                                   const quote::QuoteRequest& request)
{
    ScratchRun run(std::move(scratch), priceList, request);
    buildScratchArticleList(run, orders);
    formScratchGroups(run);
    closeScratchSheet(run);
    return run.values;
}

} // namespace zuvo::letter
