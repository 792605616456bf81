#include "tests/mezzanine_rules/rules_fixture.h"

#include "order_reading/article_lookup.h"

namespace zuvo::test {
namespace {

const QString kNoField = QStringLiteral("00000000");

class AccessoryExpansion : public RulesTest {
protected:
    void SetUp() override
    {
        price(QStringLiteral("ACC1"), QStringLiteral("BULLONE"), 0.5);
        price(QStringLiteral("ACC2"), QStringLiteral("PIASTRA"), 7);
        price(QStringLiteral("ART1"), QStringLiteral("TRAVE"), 10, {{QStringLiteral("ACC1"), 2}});
    }
};

TEST_F(AccessoryExpansion, AccessoryAddsToAnArticleRowOfItsCode)
{
    read(QStringLiteral("ACC1"), kNoField, 6);
    read(QStringLiteral("ART1"), kNoField, 1);

    EXPECT_EQ(codes(), QStringList({"ACC1", "ART1"}));
    EXPECT_EQ(row(10).quantity, 8);
}

TEST_F(AccessoryExpansion, MergeGoesToTheLastRowOfTheCode)
{
    price(QStringLiteral("GR9012B"), QStringLiteral("GRIGLIATO"), 30,
          {{QStringLiteral("ACC2"), 1}, {QStringLiteral("ACC1"), 1}});
    read(QStringLiteral("GR9012B"), QStringLiteral("00010000"), 1);
    read(QStringLiteral("GR9012B"), QStringLiteral("00010000"), 1);
    read(QStringLiteral("ART1"), kNoField, 2);

    EXPECT_EQ(codes(), QStringList({"GR9012B", "ACC2", "ACC1", "GR9012B", "ACC1", "ART1"}));
    EXPECT_EQ(row(12).quantity, 10);
    EXPECT_EQ(row(14).quantity, 14);
}

TEST_F(AccessoryExpansion, ListEndsAtTheFirstZeroCount)
{
    price(QStringLiteral("ART3"), QStringLiteral("COLONNA"), 5,
          {{QStringLiteral("ACC1"), 2}, {QStringLiteral("ACC9"), 0}, {QStringLiteral("ACC2"), 5}});
    read(QStringLiteral("ART3"), kNoField, 1);

    EXPECT_EQ(codes(), QStringList({"ART3", "ACC1"}));
}

TEST_F(AccessoryExpansion, CodeNotInPriceListBringsNoAccessories)
{
    read(QStringLiteral("ART1"), kNoField, 1);
    read(QStringLiteral("NONCE"), kNoField, 3);

    EXPECT_EQ(codes(), QStringList({"ART1", "ACC1", "NONCE"}));
    EXPECT_EQ(row(11).quantity, 2);
    EXPECT_EQ(row(12).descr, quote::kCodiceNonTrovato);
}

} // namespace
} // namespace zuvo::test
