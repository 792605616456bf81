#include "mezzanine_letter/scratch_article_list.h"

#include "mezzanine_rules/line_state.h"
#include "quote_sheet/customer_header.h"

namespace zuvo::letter {

namespace {

// The scratch sheet carries the customer in column G.
constexpr int kCustomerColumn = 7;

} // namespace

void buildScratchArticleList(ScratchRun& run, const QList<quote::OrderLine>& orders)
{
    quote::writeCustomerHeader(run.sheet, kCustomerColumn, run.request.customer);
    mezzanine::readArticles(run, run.priceList, orders, mezzanine::kPellanorRules);
    run.values.descScala = run.descScala;
    // The priced rows are written with the groups, once their places are known.
    quote::writeArticleRows(run.sheet, run.list);
    quote::sortArticles(run.sheet, run.list, quote::kColCode);
    run.discount = quote::Discount::fromText(run.request.sconto);
}

} // namespace zuvo::letter
