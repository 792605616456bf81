#pragma once

#include "mezzanine_costs/line_state.h"

#include <QList>
#include <QString>
#include <gtest/gtest.h>
#include <initializer_list>
#include <utility>

namespace zuvo::test {

// Order lines read through the code rules into an article list in memory, against a price
// list made by the test.
class RulesTest : public ::testing::Test {
protected:
    // Adds a price-list record: code, description, list price and (code, count) accessories.
    void price(const QString& code, const QString& descr, double prList,
               std::initializer_list<std::pair<QString, int>> accessories = {});
    // Reads one order line (code, eight-character measure field, quantity) as the reading loop
    // does: lookup, quote row, code rule.
    void read(const QString& code, const QString& field, double quantity,
              const mezzanine::CodeRules& rules = mezzanine::kMordiskRules);

    const quote::QuoteRow& row(int sheetRow) const { return list.atRow(sheetRow); }
    // The codes of the list, top to bottom.
    QStringList codes() const;

    quote::ArticleList list{10};
    int sismico = 0;
    std::optional<double> areaTot;
    std::optional<int> suffissoXX;
    QString descScala;

private:
    QList<db::PriceRecord> records_;
};

} // namespace zuvo::test
