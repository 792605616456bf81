#include "mezzanine_rules/article_reader.h"

#include "mezzanine_rules/line_dispatch.h"

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

void readLine(ArticleReading& reading, const db::PriceList& priceList, const quote::OrderLine& line,
              const CodeRules& rules)
{
    const quote::Article article = quote::lookupArticle(priceList, line.codice);
    reading.list.append(quoteRowOf(line, article));
    LineState state{reading.list,    priceList,       line,
                    article,         reading.sismico, reading.areaTot,
                    reading.suffissoXX, reading.descScala};
    applyCodeRule(state, rules);
}

} // namespace

void readArticles(ArticleReading& reading, const db::PriceList& priceList,
                  const QList<quote::OrderLine>& orders, const CodeRules& rules)
{
    for (const quote::OrderLine& line : orders)
        readLine(reading, priceList, line, rules);
}

} // namespace zuvo::mezzanine
