#include "tests/mezzanine_rules/rules_fixture.h"

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
    const quote::OrderLine line = *quote::parseOrderLine(code.leftJustified(10) + field + QLatin1Char(' ')
                                                         + QString::number(quantity));
    mezzanine::readArticles(reading, db::PriceList(records_), {line}, rules);
}

QStringList RulesTest::codes() const
{
    QStringList result;
    for (const quote::QuoteRow& row : list.rows())
        result << row.code;
    return result;
}

} // namespace zuvo::test
