#include "tests/mezzanine_costs/rules_fixture.h"

#include "mezzanine_costs/line_dispatch.h"

namespace zuvo::test {

void RulesTest::price(const QString& code, const QString& descr, double prList,
                      std::initializer_list<std::pair<QString, int>> accessories)
{
    db::PriceRecord record;
    record.codice = code;
    record.descrizione = descr;
    record.prList = prList;
    int i = 0;
    for (const auto& [accessory, count] : accessories) {
        record.cacc[i] = accessory;
        record.n[i] = std::int16_t(count);
        ++i;
    }
    records_.append(record);
}

void RulesTest::read(const QString& code, const QString& field, double quantity,
                     const mezzanine::CodeRules& rules)
{
    const db::PriceList priceList(records_);
    const quote::OrderLine line = *quote::parseOrderLine(code.leftJustified(10) + field + QLatin1Char(' ')
                                                         + QString::number(quantity));
    const quote::Article article = quote::lookupArticle(priceList, line.codice);
    quote::QuoteRow own;
    own.code = line.codice;
    own.descr = article.descr;
    own.quantity = line.quantita;
    own.measure = line.misura;
    own.price = article.prList;
    list.append(own);
    mezzanine::LineState state{list, priceList, line, article, sismico, areaTot, suffissoXX, descScala};
    mezzanine::applyCodeRule(state, rules);
}

QStringList RulesTest::codes() const
{
    QStringList result;
    for (const quote::QuoteRow& row : list.rows())
        result << row.code;
    return result;
}

} // namespace zuvo::test
