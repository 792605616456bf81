#include "tests/racking/tavrelo_fixture.h"

namespace zuvo::test {
namespace {

using racking::Family;

class DriveInList : public TavreloRun {
protected:
    void SetUp() override
    {
        TavreloRun::SetUp();
        setPrices({
            {QStringLiteral("F0271010"), 10, 1, {}},
            {QStringLiteral("FM024197"), 20, 2, {}},
            {QStringLiteral("F0271017"), 1.5, 3, {{QStringLiteral("ACCD"), 2}}},
            {QStringLiteral("ACCD"), 0.01, 4, {}},
            {QStringLiteral("F0802100"), 5, 5, {{QStringLiteral("ACCE"), 3}}},
            {QStringLiteral("ACCE"), 1, 6, {}},
            {QStringLiteral("F0802112"), 20, 1, {{QStringLiteral("SPN"), 2}, {QStringLiteral("BLL"), 0}}},
            // The regrouping's codes, in this order of their sort keys.
            {QStringLiteral("DA01"), 1, 11, {}},
            {QStringLiteral("F0802022"), 2, 12, {{QStringLiteral("FM018014"), 2}}},
            {QStringLiteral("FM018014"), 3, 13, {}},
            {QStringLiteral("FM028410"), 4, 14, {}},
            {QStringLiteral("F0284039"), 5, 15, {}},
            {QStringLiteral("F1020045"), 6, 16, {}},
            {QStringLiteral("DB01"), 7, 17, {}},
        });
    }
};

// Drive-in metre runs (a first line of quantity 0 still opens its run), the F0271017 row
// priced per millimetre, and no first accessory after an ANT line of pallet racking, in
// drive-in as in sat-drive; pallet racking's F08021 line writes its second accessory even
// with a count of 0.
TEST_F(DriveInList, RulesAfterAnAntLine)
{
    writeFamily(Family::Pallet, {
        orderLine(QStringLiteral("ANT10"), 0, QStringLiteral("1")),
        orderLine(QStringLiteral("F0802112"), 0, QStringLiteral("1")),
    });
    writeFamily(Family::DriveIn, {
        orderLine(QStringLiteral("ACCD"), 0, QStringLiteral("100")),
        orderLine(QStringLiteral("F0271010"), 2500, QStringLiteral("3")),
        orderLine(QStringLiteral("F0271010"), 4000, QStringLiteral("2")),
        orderLine(QStringLiteral("FM024197"), 1200, QStringLiteral("0")),
        orderLine(QStringLiteral("FM024197"), 1200, QStringLiteral("4")),
        orderLine(QStringLiteral("F0271017"), 1200, QStringLiteral("2")),
        orderLine(QStringLiteral("F0802100"), 0, QStringLiteral("2")),
    });
    writeFamily(Family::SatDrive, {orderLine(QStringLiteral("F0802100"), 0, QStringLiteral("3"))});
    run();

    expectRows(10, {
        {QStringLiteral("F0802112"), 1, QStringLiteral(" "), 20},
        {QStringLiteral("BLL"), 0, QStringLiteral(" "), 0},
    });
    expectRows(66, {
        {QStringLiteral("F0271010"), 1, QStringLiteral("15.5"), 155},
        {QStringLiteral("FM024197"), 1, QStringLiteral("4.8"), 96},
        {QStringLiteral("F0271017"), 2, QString(), 3600},
        {QStringLiteral("ACCD"), 4900, QStringLiteral(" "), 49},  // 100 + 2 x 2 x 1200
        {QStringLiteral("F0802100"), 2, QStringLiteral(" "), 10},
    });
    EXPECT_DOUBLE_EQ(number(68, 5), 1800);
    EXPECT_EQ(text(72, 2), QStringLiteral("TOTALE DRIVE-IN"));
    expectRows(122, {{QStringLiteral("F0802100"), 3, QStringLiteral(" "), 15}});
    EXPECT_EQ(text(124, 2), QStringLiteral("TOTALE SAT-DRIVE"));
}

// Drive-in alone: F0802022 adds its first accessory, then the sorted list is regrouped.
TEST_F(DriveInList, AloneItIsRegroupedIntoBaseAndAccessories)
{
    writeFamily(Family::DriveIn, {
        orderLine(QStringLiteral("DA01"), 0, QStringLiteral("1")),
        orderLine(QStringLiteral("FM018014"), 0, QStringLiteral("4")),
        orderLine(QStringLiteral("F0802022"), 0, QStringLiteral("3")),
        orderLine(QStringLiteral("FM028410"), 0, QStringLiteral("2")),
        orderLine(QStringLiteral("F0284039"), 0, QStringLiteral("8")),
        orderLine(QStringLiteral("F1020045"), 0, QStringLiteral("20")),
        orderLine(QStringLiteral("DB01"), 0, QStringLiteral("1")),
    });
    run();

    expectRows(10, {
        {QStringLiteral("DA01"), 1, QStringLiteral(" "), 1},
        {QStringLiteral("FM018014"), 4, QStringLiteral(" "), 12},
        {QStringLiteral("F1020045"), 14, QStringLiteral(" "), 84},
        {QStringLiteral("DB01"), 1, QStringLiteral(" "), 7},
    });
    EXPECT_EQ(text(14, 1), QString());
    EXPECT_EQ(text(15, 2), QStringLiteral("TOTALE FORNITURA BASE"));
    EXPECT_TRUE(saved().isBold(15, 2));
    EXPECT_EQ(saved().formula(15, 7), QStringLiteral("=SUM(G$10:G$13)"));
    EXPECT_EQ(saved().numberFormat(15, 7).remove(QLatin1Char('"')), QStringLiteral("$ #,##0.00"));
    expectRows(17, {
        {QStringLiteral("F0802022"), 3, QStringLiteral(" "), 6},
        {QStringLiteral("FM028410"), 2, QStringLiteral(" "), 8},
        {QStringLiteral("FM018014"), 6, QStringLiteral(" "), 18},
        {QStringLiteral("F0284039"), 8, QStringLiteral(" "), 40},
        {QStringLiteral("F1020045"), 6, QStringLiteral(" "), 36},
    });
    EXPECT_EQ(text(23, 2), QStringLiteral("TOTALE ACCESSORI"));
    EXPECT_EQ(saved().formula(23, 7), QStringLiteral("=SUM(G$17:G$21)"));
    EXPECT_EQ(text(48, 7), QStringLiteral("TOTALE DOCUMENTO"));
    EXPECT_DOUBLE_EQ(number(49, 7), 104 + 108);
    EXPECT_EQ(saved().formula(49, 7), QString());
    EXPECT_EQ(text(51, 1), QStringLiteral("Condizioni:"));
}

TEST_F(DriveInList, RegroupingWithNothingToMoveLeavesTheAccessoriesEmpty)
{
    writeFamily(Family::DriveIn, {
        orderLine(QStringLiteral("DA01"), 0, QStringLiteral("1")),
        orderLine(QStringLiteral("FM018014"), 0, QStringLiteral("5")),
        orderLine(QStringLiteral("F0284039"), 0, QStringLiteral("3")),
    });
    run();

    expectRows(10, {
        {QStringLiteral("DA01"), 1, QStringLiteral(" "), 1},
        {QStringLiteral("FM018014"), 5, QStringLiteral(" "), 15},
        {QStringLiteral("F0284039"), 3, QStringLiteral(" "), 15},
    });
    EXPECT_EQ(text(14, 2), QStringLiteral("TOTALE FORNITURA BASE"));
    EXPECT_EQ(text(17, 2), QStringLiteral("TOTALE ACCESSORI"));
    EXPECT_DOUBLE_EQ(number(17, 7), 0);
    EXPECT_DOUBLE_EQ(number(49, 7), 31);
}

// Two FM0284 pieces call for 6 of F1020045 where only 4 are quoted: the base row gives its 4
// and keeps 0, and the regrouped quotation totals what the list totals.
TEST_F(DriveInList, ASplitNeverQuotesMorePiecesThanTheBaseRowHad)
{
    writeFamily(Family::DriveIn, {
        orderLine(QStringLiteral("DA01"), 0, QStringLiteral("1")),
        orderLine(QStringLiteral("FM028410"), 0, QStringLiteral("2")),
        orderLine(QStringLiteral("F1020045"), 0, QStringLiteral("4")),
    });
    run();

    expectRows(10, {
        {QStringLiteral("DA01"), 1, QStringLiteral(" "), 1},
        {QStringLiteral("F1020045"), 0, QStringLiteral(" "), 0},
    });
    expectRows(15, {
        {QStringLiteral("FM028410"), 2, QStringLiteral(" "), 8},
        {QStringLiteral("F1020045"), 4, QStringLiteral(" "), 24},
    });
    EXPECT_EQ(text(18, 2), QStringLiteral("TOTALE ACCESSORI"));
    EXPECT_DOUBLE_EQ(number(49, 7), 1 + 8 + 24);
}

// A regrouped list longer than its page continues on the next page block, the box below it.
TEST_F(DriveInList, LongRegroupingContinuesOnTheNextPage)
{
    QList<TestPrice> prices;
    QStringList lines;
    for (int i = 1; i <= 36; ++i) {
        const QString code = QStringLiteral("DL%1").arg(i, 2, 10, QLatin1Char('0'));
        prices.append({code, 1, i, {}});
        lines << orderLine(code, 0, QStringLiteral("1"));
    }
    prices << TestPrice{QStringLiteral("FM018014"), 3, 40, {}}
           << TestPrice{QStringLiteral("FM024197"), 20, 50, {}}
           << TestPrice{QStringLiteral("F0802022"), 2, 51, {}};
    setPrices(prices);
    lines << orderLine(QStringLiteral("FM018014"), 0, QStringLiteral("1"))
          << orderLine(QStringLiteral("FM024197"), 1000, QStringLiteral("1"))
          << orderLine(QStringLiteral("F0802022"), 0, QStringLiteral("1"));
    writeFamily(Family::DriveIn, lines);
    run();

    EXPECT_EQ(text(42, 1), QStringLiteral("DL33"));
    EXPECT_EQ(text(44, 7), QStringLiteral("segue..."));
    EXPECT_EQ(text(48, 7), QString());
    expectRows(68, {
        {QStringLiteral("DL36"), 1, QStringLiteral(" "), 1},
        {QStringLiteral("FM018014"), 0, QStringLiteral(" "), 0},
    });
    EXPECT_EQ(text(71, 2), QStringLiteral("TOTALE FORNITURA BASE"));
    EXPECT_EQ(saved().formula(71, 7), QStringLiteral("=SUM(G$10:G$42;G$66:G$69)"));
    expectRows(73, {
        {QStringLiteral("FM024197"), 1, QStringLiteral("1"), 20},
        {QStringLiteral("F0802022"), 1, QStringLiteral(" "), 2},
        {QStringLiteral("FM018014"), 1, QStringLiteral(" "), 3},
    });
    EXPECT_EQ(text(77, 2), QStringLiteral("TOTALE ACCESSORI"));
    EXPECT_EQ(text(104, 7), QStringLiteral("TOTALE DOCUMENTO"));
    EXPECT_DOUBLE_EQ(number(105, 7), 36 + 20 + 2 + 3);
    EXPECT_EQ(text(107, 1), QStringLiteral("Condizioni:"));
}

} // namespace
} // namespace zuvo::test
