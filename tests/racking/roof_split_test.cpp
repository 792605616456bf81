#include "tests/racking/tavrelo_fixture.h"

namespace zuvo::test {
namespace {

using racking::Family;

// A cantilever-only list of 15 rows sorted before its lowest BT row (BTZN, 8 arms at 34)
// and five or six rows from there on, with an SP20 row of pins (or 14 rows, without).
class RoofSplit : public TavreloRun {
protected:
    void SetUp() override
    {
        TavreloRun::SetUp();
        QList<TestPrice> prices;
        for (int i = 1; i <= 12; ++i)
            prices.append({code(i), 1, i, {}});
        prices << TestPrice{QStringLiteral("SP20"), 0.6, 13, {}}
               << TestPrice{QStringLiteral("BTUP"), 10, 14, {}}
               << TestPrice{QStringLiteral("CB01"), 100, 15, {}}
               << TestPrice{QStringLiteral("BTZN"), 34, 30, {}}
               << TestPrice{QStringLiteral("TF01"), 46, 31, {}}
               << TestPrice{QStringLiteral("PAC01"), 39, 32, {}}
               << TestPrice{QStringLiteral("LPR1"), 1, 33, {}}
               << TestPrice{QStringLiteral("LPR2"), 1, 34, {}}
               << TestPrice{QStringLiteral("LPR3"), 1, 35, {}};
        setPrices(prices);
    }

    static QString code(int i) { return QStringLiteral("LP%1").arg(i, 2, 10, QLatin1Char('0')); }

    // Galvanised: an AAA line, whose ZINC row ends the roof block; else a sixth roof row.
    void writeRoofList(bool galvanised, int pins)
    {
        QStringList lines;
        for (int i = 1; i <= 12; ++i)
            lines << orderLine(code(i), 0, QStringLiteral("1"));
        if (pins > 0)
            lines << orderLine(QStringLiteral("SP20"), 0, QString::number(pins));
        lines << orderLine(QStringLiteral("BTUP"), 0, QStringLiteral("1"))
              << orderLine(QStringLiteral("CB01"), 0, QStringLiteral("4"))
              << orderLine(QStringLiteral("BTZN"), 0, QStringLiteral("8"))
              << orderLine(QStringLiteral("TF01"), 0, QStringLiteral("2"))
              << orderLine(QStringLiteral("PAC01"), 0, QStringLiteral("4"))
              << orderLine(QStringLiteral("LPR1"), 0, QStringLiteral("1"))
              << orderLine(QStringLiteral("LPR2"), 0, QStringLiteral("1"))
              << orderLine(galvanised ? QStringLiteral("AAAZINC") : QStringLiteral("LPR3"), 0,
                           QStringLiteral("1"));
        writeFamily(Family::Cantilever, lines);
    }

    void expectEmptyRows(std::initializer_list<int> rows)
    {
        for (int row : rows) {
            EXPECT_EQ(text(row, 1), QString()) << "row " << row;
            EXPECT_EQ(text(row, 2), QString()) << "row " << row;
            EXPECT_EQ(text(row, 7), QString()) << "row " << row;
        }
    }
};

// List rows 10 to 30, lowest BT row 25: the roof block moves to rows 29 to 34, its 8 pins
// and its share of the zinc surcharge (8 x 34 x 0.37) are copied below it.
TEST_F(RoofSplit, GalvanisedRoofTakesItsPinsAndZincShare)
{
    writeRoofList(true, 40);
    run();

    EXPECT_EQ(text(21, 1), QStringLiteral("LP12"));
    expectRows(22, {
        {QStringLiteral("SP20"), 32, QStringLiteral(" "), 19.2},
        {QStringLiteral("BTUP"), 1, QStringLiteral(" "), 10},
        {QStringLiteral("CB01"), 4, QStringLiteral(" "), 400},
    });
    expectEmptyRows({25, 27, 28, 37});
    EXPECT_EQ(text(26, 2), QStringLiteral("TOTALE CANTILEVER"));
    EXPECT_TRUE(quoteSheet().isBold(26, 2));
    EXPECT_EQ(quoteSheet().numberFormat(26, 7).remove(QLatin1Char('"')),
              QStringLiteral("$ #,##0.00"));
    EXPECT_EQ(quoteSheet().formula(26, 7), QStringLiteral("=SUM(G$10:G$24)"));
    EXPECT_NEAR(number(26, 7), 441.2, 1e-9);
    expectRows(29, {
        {QStringLiteral("BTZN"), 8, QStringLiteral(" "), 272},
        {QStringLiteral("TF01"), 2, QStringLiteral(" "), 92},
        {QStringLiteral("PAC01"), 4, QStringLiteral(" "), 156},
        {QStringLiteral("LPR1"), 1, QStringLiteral(" "), 1},
        {QStringLiteral("LPR2"), 1, QStringLiteral(" "), 1},
        {QStringLiteral("ZINC"), 1, QStringLiteral(" "), 930 * 0.37 - 100.64},
        {QStringLiteral("SP20"), 8, QStringLiteral(" "), 4.8},
        {QStringLiteral("ZINC"), 1, QStringLiteral(" "), 100.64},
    });
    EXPECT_EQ(text(38, 2), QStringLiteral("TOTALE ACCESSORI COPERTURA"));
    EXPECT_EQ(quoteSheet().formula(38, 7), QStringLiteral("=SUM(G$28:G$36)"));
    EXPECT_NEAR(number(38, 7), 870.9, 1e-9);
    EXPECT_EQ(text(48, 7), QStringLiteral("TOTALE DOCUMENTO"));
    EXPECT_EQ(quoteSheet().formula(49, 7), QStringLiteral("=SUM(G$26;G$38)"));
    EXPECT_NEAR(number(49, 7), 1312.1, 1e-9);
}

// An SP row short of the roof's 8 pins gives the roof the 5 it has and keeps none: the two
// totals sum to the unsplit list.
TEST_F(RoofSplit, PlainRoofHasNoZincCopy)
{
    writeRoofList(false, 5);
    run();

    EXPECT_EQ(text(22, 1), QStringLiteral("SP20"));
    EXPECT_DOUBLE_EQ(number(22, 3), 0);
    EXPECT_EQ(text(34, 1), QStringLiteral("LPR3"));
    EXPECT_EQ(text(35, 1), QStringLiteral("SP20"));
    EXPECT_DOUBLE_EQ(number(35, 3), 5);
    expectEmptyRows({36});
    EXPECT_EQ(text(37, 2), QStringLiteral("TOTALE ACCESSORI COPERTURA"));
    EXPECT_EQ(quoteSheet().formula(37, 7), QStringLiteral("=SUM(G$28:G$35)"));
    EXPECT_NEAR(number(37, 7), 526, 1e-9);
    EXPECT_EQ(quoteSheet().formula(49, 7), QStringLiteral("=SUM(G$26;G$37)"));
    EXPECT_NEAR(number(49, 7), 12 + 5 * 0.6 + 10 + 400 + 523, 1e-9);
}

// Without an SP2/SP3 row the split ends all the same and copies no pins.
TEST_F(RoofSplit, RoofWithoutPinsCopiesNone)
{
    writeRoofList(false, 0);
    run();

    EXPECT_EQ(text(25, 2), QStringLiteral("TOTALE CANTILEVER"));
    EXPECT_EQ(text(28, 1), QStringLiteral("BTZN"));
    EXPECT_EQ(text(33, 1), QStringLiteral("LPR3"));
    expectEmptyRows({34, 35});
    EXPECT_EQ(text(36, 2), QStringLiteral("TOTALE ACCESSORI COPERTURA"));
    EXPECT_NEAR(number(36, 7), 523, 1e-9);
    EXPECT_EQ(quoteSheet().formula(49, 7), QStringLiteral("=SUM(G$25;G$36)"));
    EXPECT_NEAR(number(49, 7), 945, 1e-9);
}

} // namespace
} // namespace zuvo::test
