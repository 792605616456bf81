#include "tests/mezzanine_rules/rules_fixture.h"

#include "order_reading/article_lookup.h"

namespace zuvo::test {
namespace {

const QString kNoField = QStringLiteral("00000000");

class SeismicRule : public RulesTest {
protected:
    void SetUp() override
    {
        price(QStringLiteral("70000010"), QStringLiteral("TASSELLO"), 2,
              {{QStringLiteral("ACC1"), 4}, {QStringLiteral("ACC2"), 6}, {QStringLiteral("ACC3"), 1}});
        price(QStringLiteral("ACC2"), QStringLiteral("ANCORANTE SISMICO"), 9);
        price(QStringLiteral("ART2"), QStringLiteral("PIASTRA"), 5, {{QStringLiteral("ACC2"), 1}});
    }
};

TEST_F(SeismicRule, ThirdAccessoryCountsWholeTwentyFivesPlusOne)
{
    sismico = 1;
    read(QStringLiteral("70000010"), kNoField, 8);

    EXPECT_EQ(row(11).quantity, 48);
    EXPECT_EQ(row(12).quantity, 2);
}

// A count of 0 is no reason to skip: the second accessory's row has 0, the third still 1.
TEST_F(RulesTest, SeismicZeroSecondCountStillGivesBothRows)
{
    price(QStringLiteral("70000010"), QStringLiteral("TASSELLO"), 2,
          {{QStringLiteral("ACC1"), 4}, {QStringLiteral("ACC2"), 0}, {QStringLiteral("ACC3"), 1}});
    sismico = 1;
    read(QStringLiteral("70000010"), kNoField, 10);

    EXPECT_EQ(codes(), QStringList({"70000010", "ACC2", "ACC3"}));
    EXPECT_EQ(row(11).quantity, 0);
    EXPECT_EQ(row(12).quantity, 1);
}

TEST_F(SeismicRule, NoThirdAccessoryWhenTheSecondIsAlreadyListed)
{
    sismico = 1;
    read(QStringLiteral("ART2"), kNoField, 1);
    read(QStringLiteral("70000010"), kNoField, 8);

    EXPECT_EQ(codes(), QStringList({"ART2", "ACC2", "70000010"}));
    EXPECT_EQ(row(11).quantity, 49);
}

class StairRule : public RulesTest {
protected:
    void SetUp() override
    {
        price(QStringLiteral("SCALA1000"), QStringLiteral("SCALA L.1000"), 95, {{QStringLiteral("ACC1"), 1}});
        price(QStringLiteral("SCALA1200"), QStringLiteral("SCALA L.1200"), 100);
    }
};

TEST_F(StairRule, TypeGivesLandingsAndStepsStayAsTyped)
{
    read(QStringLiteral("SCALA1000"), QStringLiteral("00000414"), 1);
    read(QStringLiteral("SCALA1000"), QStringLiteral("00000107"), 1);
    read(QStringLiteral("SCALA1200"), QStringLiteral("00000200"), 1);
    read(QStringLiteral("SCALA1200"), QStringLiteral("00000610"), 1);

    EXPECT_EQ(codes(), QStringList({"SCALA1000", "SCALA1000", "SCALA1200", "SCALA1200"}));
    EXPECT_EQ(row(10).descr, QStringLiteral("SCALA L.1000 A 14 GRADINI + 2 PIANEROTTOLI"));
    EXPECT_DOUBLE_EQ(row(10).price, 3831.92);
    EXPECT_FALSE(row(10).hasMeasure());
    EXPECT_EQ(row(11).descr, QStringLiteral("SCALA L.1000 A 07 GRADINI"));
    EXPECT_DOUBLE_EQ(row(11).price, 665);
    EXPECT_EQ(row(12).descr, QStringLiteral("SCALA L.1200 A 00 GRADINI + PIANEROTTOLO"));
    EXPECT_DOUBLE_EQ(row(12).price, 1301);
    EXPECT_EQ(row(13).descr, QStringLiteral("SCALA L.1200 A 10 GRADINI + PIANEROTTOLO"));
    EXPECT_DOUBLE_EQ(row(13).price, 3602);
    EXPECT_EQ(descScala, row(13).descr);
}

TEST_F(StairRule, SeismicSurchargeFollowsTheRules)
{
    read(QStringLiteral("SCALA1000"), QStringLiteral("00000414"), 1);
    read(QStringLiteral("0SISM"), kNoField, 1);
    read(QStringLiteral("SCALA1000"), QStringLiteral("00000414"), 1);
    read(QStringLiteral("SCALA1200"), QStringLiteral("00000910"), 1);
    read(QStringLiteral("SCALA1000"), QStringLiteral("00000414"), 1, mezzanine::kPellanorRules);

    EXPECT_DOUBLE_EQ(row(10).price, 3831.92);
    EXPECT_DOUBLE_EQ(row(11).price, 4291.7504);
    EXPECT_EQ(row(12).descr, QStringLiteral("SCALA L.1200"));
    EXPECT_EQ(row(12).measure, 0.91);
    EXPECT_DOUBLE_EQ(row(12).price, 112);
    EXPECT_DOUBLE_EQ(row(13).price, 3831.92);
    EXPECT_EQ(descScala, QStringLiteral("SCALA L.1000 A 14 GRADINI + 2 PIANEROTTOLI"));
}

TEST_F(StairRule, StairMissingFromPriceListIsPricedByItsLandings)
{
    read(QStringLiteral("SCALA800"), QStringLiteral("00000712"), 1);
    read(QStringLiteral("scala800"), QStringLiteral("00000712"), 1);

    EXPECT_EQ(row(10).descr, quote::kCodiceNonTrovato + QStringLiteral(" A 12 GRADINI + PIANEROTTOLO"));
    EXPECT_DOUBLE_EQ(row(10).price, 2 * 1175.91);
    EXPECT_EQ(row(11).descr, quote::kCodiceNonTrovato);
    EXPECT_EQ(row(11).measure, 0.712);
}

} // namespace
} // namespace zuvo::test
