#include "tests/mezzanine_rules/rules_fixture.h"

namespace zuvo::test {
namespace {

class FixedRules : public RulesTest {
protected:
    void SetUp() override
    {
        price(QStringLiteral("ACC1"), QStringLiteral("BULLONE"), 0.5);
        price(QStringLiteral("ACC2"), QStringLiteral("PIASTRA"), 7);
        price(QStringLiteral("F0284054"), QStringLiteral("PIANO"), 40,
              {{QStringLiteral("ACC1"), 2}, {QStringLiteral("ACC2"), 1}});
        price(QStringLiteral("F0284060"), QStringLiteral("PIANO LEGGERO"), 35,
              {{QStringLiteral("ACC1"), 1}, {QStringLiteral("ACC2"), 1}});
    }
};

TEST_F(FixedRules, AreaArticleSizesAccessoriesByWholePiecesOfTheArea)
{
    read(QStringLiteral("F0284054"), QStringLiteral("00125500"), 3);

    EXPECT_EQ(areaTot, 125.5);
    EXPECT_EQ(codes(), QStringList({"F0284054", "ACC1", "ACC2"}));
    EXPECT_EQ(row(10).quantity, 3);
    EXPECT_EQ(row(10).measure, 125.5);
    EXPECT_EQ(row(11).quantity, 251);
    EXPECT_EQ(row(12).quantity, 125);

    read(QStringLiteral("F0284060"), QStringLiteral("00010999"), 1);
    EXPECT_EQ(codes().size(), 4);
    EXPECT_EQ(row(11).quantity, 261);
    EXPECT_EQ(row(12).quantity, 125);
}

TEST_F(RulesTest, RailingWithoutLengthIsPricedByItsZeroMeasure)
{
    price(QStringLiteral("F0281714"), QStringLiteral("PARAPETTO"), 30);
    read(QStringLiteral("F0281714"), QStringLiteral("00000000"), 2);

    EXPECT_EQ(row(10).quantity, 10);
    EXPECT_EQ(row(10).measure, 0);
    EXPECT_TRUE(row(10).hasMeasure());
}

TEST_F(RulesTest, AreaArticleMissingFromPriceListSetsTheAreaOnly)
{
    price(QStringLiteral("ART1"), QStringLiteral("TRAVE"), 10, {{QStringLiteral("ACC1"), 2}});
    read(QStringLiteral("ART1"), QStringLiteral("00000000"), 1);
    read(QStringLiteral("GR9020B"), QStringLiteral("00040000"), 1);

    EXPECT_EQ(areaTot, 40);
    EXPECT_EQ(codes(), QStringList({"ART1", "ACC1", "GR9020B"}));
}

} // namespace
} // namespace zuvo::test
