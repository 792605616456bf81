#pragma once

#include "mezzanine_rules/article_reader.h"

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
    // Reads one order line (code, eight-character measure field, quantity) through the
    // product's reading loop: lookup, quote row, code rule.
    void read(const QString& code, const QString& field, double quantity,
              const mezzanine::CodeRules& rules = mezzanine::kMordiskRules);

    const quote::QuoteRow& row(int sheetRow) const { return list.atRow(sheetRow); }
    // The codes of the list, top to bottom.
    QStringList codes() const;

    // What the reading loop leaves, under the names of the run's settings.
    mezzanine::ArticleReading reading;
    quote::ArticleList& list = reading.list;
    int& sismico = reading.sismico;
    std::optional<double>& areaTot = reading.areaTot;
    std::optional<int>& suffissoXX = reading.suffissoXX;
    QString& descScala = reading.descScala;

private:
    QList<db::PriceRecord> records_;
};

} // namespace zuvo::test
