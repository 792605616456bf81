#include "mezzanine_costs/article_reader.h"

#include "mezzanine_costs/line_dispatch.h"

namespace zuvo::mezzanine {

namespace {

quote::QuoteRow quoteRowOf(const quote::OrderLine& line, const quote::Article& article)
{
    quote::QuoteRow row;
    row.code = line.codice;
    row.descr = article.descr;
    row.quantity = line.quantita;
    row.measure = line.misura;
    row.price = article.prList;
    return row;
}

void readLine(MezzanineRun& run, const quote::OrderLine& line)
{
    run.line = line;
    run.article = quote::lookupArticle(run.priceList, line.codice);
    run.list.append(quoteRowOf(line, run.article));
    LineState state{run.list,    run.priceList, run.line,       run.article,
                    run.sismico, run.areaTot,   run.suffissoXX, run.descScala};
    applyCodeRule(state, kMordiskRules);
}

} // namespace

void readArticles(MezzanineRun& run, const QList<quote::OrderLine>& orders)
{
    for (const quote::OrderLine& line : orders)
        readLine(run, line);
}

} // namespace zuvo::mezzanine
