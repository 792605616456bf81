#include "tests/mezzanine_rules/rules_fixture.h"

#include "order_reading/article_lookup.h"

namespace zuvo::test {
namespace {

const QString kNoField = QStringLiteral("00000000");

class SettingCodes : public RulesTest {
protected:
    void SetUp() override
    {
        price(QStringLiteral("ACC1"), QStringLiteral("BULLONE"), 0.5);
        price(QStringLiteral("ACC2"), QStringLiteral("PIASTRA"), 7);
        price(QStringLiteral("ART1"), QStringLiteral("TRAVE"), 10, {{QStringLiteral("ACC1"), 2}});
        price(QStringLiteral("00000000"), QStringLiteral("SELETTORE 300"), 99,
              {{QStringLiteral("ACC1"), 2}, {QStringLiteral("ACC2"), 3}});
        price(QStringLiteral("00000001"), QStringLiteral("SELETTORE 250"), 99,
              {{QStringLiteral("ACC1"), 0}, {QStringLiteral("ACC2"), 0}});
        price(QStringLiteral("F0284054"), QStringLiteral("PIANO"), 40);
    }
};

TEST_F(SettingCodes, SeismicModeTakesNoRowOfItsOwn)
{
    read(QStringLiteral("0SISM"), kNoField, 1);
    EXPECT_TRUE(list.isEmpty());
    read(QStringLiteral("ART1"), QStringLiteral("00002000"), 3);

    EXPECT_EQ(sismico, 1);
    EXPECT_EQ(codes(), QStringList({"ART1", "ACC1"}));
    EXPECT_EQ(row(10).measure, 2);
}

TEST_F(SettingCodes, LastLineGivingAnAreaWins)
{
    read(QStringLiteral("AREATOT"), QStringLiteral("00080000"), 1);
    read(QStringLiteral("AREATOT"), QStringLiteral("00120000"), 1);
    EXPECT_EQ(areaTot, 120);
    read(QStringLiteral("F0284054"), QStringLiteral("00095000"), 1);
    EXPECT_EQ(areaTot, 95);
    read(QStringLiteral("AREATOT"), QStringLiteral("00070500"), 1);

    EXPECT_EQ(areaTot, 70.5);
    EXPECT_EQ(codes(), QStringList({"F0284054"}));
}

TEST_F(SettingCodes, SelectorIsReplacedByBothAccessoriesUnmerged)
{
    read(QStringLiteral("ART1"), kNoField, 1);
    read(QStringLiteral("00000000"), kNoField, 4);

    EXPECT_EQ(suffissoXX, 300);
    EXPECT_EQ(codes(), QStringList({"ART1", "ACC1", "ACC1", "ACC2"}));
    EXPECT_EQ(row(11).quantity, 2);
    EXPECT_EQ(row(12).quantity, 8);
    EXPECT_EQ(row(12).descr, QStringLiteral("BULLONE"));
    EXPECT_EQ(row(12).price, 0.5);
    EXPECT_EQ(row(13).quantity, 12);
    EXPECT_EQ(row(13).price, 7);
    EXPECT_FALSE(row(13).hasMeasure());

    read(QStringLiteral("00000001"), QStringLiteral("00001000"), 4);
    EXPECT_EQ(suffissoXX, 250);
    EXPECT_EQ(codes().mid(4), QStringList({"ACC1", "ACC2"}));
    EXPECT_EQ(row(14).quantity, 0);
    EXPECT_FALSE(row(14).hasMeasure());
    EXPECT_EQ(row(15).quantity, 0);
}

TEST_F(RulesTest, SelectorMissingFromPriceListKeepsItsNotFoundRow)
{
    price(QStringLiteral("ART1"), QStringLiteral("TRAVE"), 10, {{QStringLiteral("ACC1"), 2}});
    read(QStringLiteral("ART1"), kNoField, 1);
    read(QStringLiteral("00000001"), kNoField, 2);

    EXPECT_EQ(suffissoXX, 250);
    EXPECT_EQ(codes(), QStringList({"ART1", "ACC1", "00000001"}));
    EXPECT_EQ(row(12).descr, quote::kCodiceNonTrovato);
    EXPECT_EQ(row(11).quantity, 2);
}

TEST_F(SettingCodes, CodesAreComparedExactly)
{
    read(QStringLiteral("0sism"), kNoField, 1);
    read(QStringLiteral("AREATOT1"), QStringLiteral("00050000"), 1);

    EXPECT_EQ(sismico, 0);
    EXPECT_FALSE(areaTot);
    EXPECT_EQ(codes(), QStringList({"0sism", "AREATOT1"}));
    EXPECT_EQ(row(10).descr, quote::kCodiceNonTrovato);
}

TEST_F(SettingCodes, WithoutTheAreaCodeAreatotIsAnOrdinaryArticle)
{
    read(QStringLiteral("ART1"), kNoField, 1);
    read(QStringLiteral("AREATOT"), QStringLiteral("00120000"), 2, mezzanine::kPellanorRules);

    EXPECT_FALSE(areaTot);
    EXPECT_EQ(codes(), QStringList({"ART1", "ACC1", "AREATOT"}));
    EXPECT_EQ(row(12).measure, 120);
    EXPECT_EQ(row(12).descr, quote::kCodiceNonTrovato);
}

} // namespace
} // namespace zuvo::test
