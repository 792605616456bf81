#include "tests/racking/tavrelo_fixture.h"

namespace zuvo::test {
namespace {

using racking::Family;

class PalletList : public TavreloRun {
protected:
    void SetUp() override
    {
        TavreloRun::SetUp();
        setPrices({
            {QStringLiteral("MONT01"), 100, 10, {{QStringLiteral("ACC3"), 1}, {QStringLiteral("ACC4"), 4}}},
            {QStringLiteral("ACC3"), 5, 11, {}},
            {QStringLiteral("ACC4"), 2, 12, {}},
            {QStringLiteral("F0802100"), 50, 20, {{QStringLiteral("ACC1"), 1}, {QStringLiteral("ACC2"), 5}}},
            {QStringLiteral("F0802012"), 60, 21, {{QStringLiteral("ACC1"), 2}, {QStringLiteral("ACC2"), 3}}},
            {QStringLiteral("ACC1"), 7, 22, {}},
            {QStringLiteral("ACC2"), 3, 23, {}},
            {QStringLiteral("PASS"), 40, 30, {}},
            {QStringLiteral("PAS20"), 41, 31, {}},
            {QStringLiteral("PAR15"), 45, 32, {}},
            {QStringLiteral("PAS30"), 44, 33, {}},
            {QStringLiteral("F0802099"), 9, 40, {}},
        });
    }
};

// ANT before an F08020 line switches it to its second accessory; PAS lines fold into the
// PASS metre run; PAR without a PARAP row runs on its own; an ordinary article adds its
// accessories by length, rounded half to even; the list ends sorted on N6.
TEST_F(PalletList, RulesWriteEveryRowAsExpected)
{
    writeFamily(Family::Pallet, {
        orderLine(QStringLiteral("F0802100"), 0, QStringLiteral("2")),
        orderLine(QStringLiteral("ANT10"), 0, QStringLiteral("1")),
        orderLine(QStringLiteral("F0802012"), 0, QStringLiteral("4")),
        orderLine(QStringLiteral("PASS"), 3000, QStringLiteral("2")),
        orderLine(QStringLiteral("PASS"), 1500, QStringLiteral("1")),
        orderLine(QStringLiteral("PAS20"), 2000, QStringLiteral("4")),
        orderLine(QStringLiteral("PAR15"), 1000, QStringLiteral("3")),
        orderLine(QStringLiteral("PAS30"), 0, QStringLiteral("5")),
        orderLine(QStringLiteral("MONT01"), 750, QStringLiteral("2")),
        orderLine(QStringLiteral("MONT01"), 750, QStringLiteral("1")),
        orderLine(QStringLiteral("F0802099"), 0, QStringLiteral("1")),
    });
    run(QStringLiteral("10"));

    expectRows(10, {
        {QStringLiteral("MONT01"), 2, QStringLiteral("0.75"), 180},
        {QStringLiteral("MONT01"), 1, QStringLiteral("0.75"), 90},
        {QStringLiteral("ACC3"), 3, QStringLiteral(" "), 13.5},     // round(1.5) = 2, round(2.75) = 3
        {QStringLiteral("ACC4"), 9, QStringLiteral(" "), 16.2},
        {QStringLiteral("F0802100"), 2, QStringLiteral(" "), 90},
        {QStringLiteral("F0802012"), 4, QStringLiteral(" "), 216},
        {QStringLiteral("ACC1"), 2, QStringLiteral(" "), 12.6},     // F0802100 before ANT: Cacc1
        {QStringLiteral("ACC2"), 12, QStringLiteral(" "), 32.4},    // F0802012 after ANT: Cacc2
        {QStringLiteral("PASS"), 1, QStringLiteral("15.5"), 558},   // 6 + 1.5 + 8 metres
        {QStringLiteral("PAR15"), 1, QStringLiteral("3"), 121.5},
        {QStringLiteral("PAS30"), 5, QStringLiteral(" "), 198},     // no length: per piece
        {QStringLiteral("F0802099"), 1, QStringLiteral(" "), 8.1},  // N1 = 0: no accessory
    });
    EXPECT_EQ(text(22, 1), QString());
    EXPECT_EQ(text(10, 2), QStringLiteral("DESCRIZIONE MONT01"));
    EXPECT_DOUBLE_EQ(number(10, 6), 10);
    EXPECT_DOUBLE_EQ(number(10, 8), 10);
    EXPECT_DOUBLE_EQ(number(21, 8), 40);
    EXPECT_EQ(saved().numberFormat(10, 4), QStringLiteral("0.00"));
    EXPECT_EQ(saved().numberFormat(18, 4), QStringLiteral("0.00"));
    EXPECT_EQ(saved().formula(18, 7), QStringLiteral("=$C18*$D18*$E18-$C18*$D18*$E18*$F18/100"));
    EXPECT_EQ(saved().formula(10, 7), QStringLiteral("=$C10*$E10-$C10*$E10*$F10/100"));
    EXPECT_NEAR(number(49, 7), 1536.3, 1e-9);
}

TEST_F(PalletList, AntAfterTheChosenAccessoryLineChangesNothingWritten)
{
    writeFamily(Family::Pallet, {
        orderLine(QStringLiteral("F0802012"), 0, QStringLiteral("4")),
        orderLine(QStringLiteral("ANT10"), 0, QStringLiteral("1")),
        orderLine(QStringLiteral("F0802012"), 0, QStringLiteral("1")),
    });
    run();

    expectRows(10, {
        {QStringLiteral("F0802012"), 4, QStringLiteral(" "), 240},
        {QStringLiteral("F0802012"), 1, QStringLiteral(" "), 60},
        {QStringLiteral("ACC1"), 8, QStringLiteral(" "), 56},  // 2 x 4 before ANT
        {QStringLiteral("ACC2"), 3, QStringLiteral(" "), 9},   // 3 x 1 after ANT
    });
    EXPECT_EQ(text(14, 1), QString());
}

// An accessory without a code is none: it adds no row, and the accessories after it still do.
TEST_F(PalletList, AnAccessoryWithoutCodeAddsNoRow)
{
    setPrices({
        {QStringLiteral("MONT03"), 10, 10,
         {{QStringLiteral("ACC3"), 1}, {QString(), 2}, {QStringLiteral("ACC4"), 3}}},
        {QStringLiteral("ACC3"), 5, 11, {}},
        {QStringLiteral("ACC4"), 2, 12, {}},
    });
    writeFamily(Family::Pallet, {orderLine(QStringLiteral("MONT03"), 0, QStringLiteral("2"))});
    run();

    expectRows(10, {
        {QStringLiteral("MONT03"), 2, QStringLiteral(" "), 20},
        {QStringLiteral("ACC3"), 2, QStringLiteral(" "), 10},
        {QStringLiteral("ACC4"), 6, QStringLiteral(" "), 12},
    });
    EXPECT_EQ(text(13, 1), QString());
}

class PricingPass : public TavreloRun {
protected:
    void SetUp() override
    {
        TavreloRun::SetUp();
        setPrices({
            {QStringLiteral("RZN01"), 10, 1, {}},
            {QStringLiteral("F0802580"), 20, 2, {}},
        });
    }
};

// The discount box is read leniently; per-metre formulas only for the family's metre codes
// on rows with a measure.
TEST_F(PricingPass, DiscountAndPerMetreFormulasGiveTheirValues)
{
    const QStringList lines = {
        orderLine(QStringLiteral("RZN01"), 2700, QStringLiteral("2")),
        orderLine(QStringLiteral("RZN01"), 0, QStringLiteral("2")),
        orderLine(QStringLiteral("F0802580"), 2000, QStringLiteral("3")),
    };
    writeFamily(Family::Pallet, lines);
    writeFamily(Family::LightShelving, lines);
    run(QStringLiteral("12.5"));

    // Pallet racking: RZN and F0802580 per metre.
    EXPECT_DOUBLE_EQ(number(10, 6), 12.5);
    EXPECT_NEAR(number(10, 7), 2 * 2.7 * 10 * 0.875, 1e-9);
    EXPECT_NEAR(number(11, 7), 2 * 10 * 0.875, 1e-9);
    EXPECT_NEAR(number(12, 7), 3 * 2 * 20 * 0.875, 1e-9);
    EXPECT_EQ(text(14, 2), QStringLiteral("TOTALE SCAFFALATURA PORTAPALLETS"));
    EXPECT_NEAR(number(14, 7), 47.25 + 17.5 + 105, 1e-9);
    // Light shelving: F0802580 is priced per piece.
    EXPECT_NEAR(number(66, 7), 2 * 2.7 * 10 * 0.875, 1e-9);
    EXPECT_NEAR(number(68, 7), 3 * 20 * 0.875, 1e-9);
    EXPECT_EQ(text(70, 2), QStringLiteral("TOTALE SCAFFALATURA LEGGERA"));
}

TEST_F(PricingPass, DiscountTextStopsAtTheComma)
{
    writeFamily(Family::Pallet, {orderLine(QStringLiteral("RZN01"), 0, QStringLiteral("1"))});
    run(QStringLiteral("12,5"));

    EXPECT_DOUBLE_EQ(number(10, 6), 12);
    EXPECT_NEAR(number(10, 7), 8.8, 1e-9);
}

// A new accessory row sorts by its record's sixth count, whatever another count of that
// record holds; a sixth count out of range stops the run naming the code.
TEST_F(PalletList, AnAccessoryRowSortsByItsSixthCountAlone)
{
    const QList<QPair<QString, int>> thirdCountTooLarge = {{QString(), 0}, {QString(), 0}, {QString(), 40000}};
    setPrices({
        {QStringLiteral("MONT02"), 10, 10, {{QStringLiteral("ACCX"), 1}}},
        {QStringLiteral("F0802099"), 9, 20, {}},
        {QStringLiteral("ACCX"), 1, 30, thirdCountTooLarge},
    });
    const QStringList lines = {orderLine(QStringLiteral("MONT02"), 0, QStringLiteral("2")),
                               orderLine(QStringLiteral("F0802099"), 0, QStringLiteral("1"))};
    writeFamily(Family::Pallet, lines);
    run();

    expectRows(10, {
        {QStringLiteral("MONT02"), 2, QStringLiteral(" "), 20},
        {QStringLiteral("F0802099"), 1, QStringLiteral(" "), 9},
        {QStringLiteral("ACCX"), 2, QStringLiteral(" "), 2},
    });
    EXPECT_DOUBLE_EQ(number(12, 8), 30);

    setPrices({
        {QStringLiteral("MONT02"), 10, 10, {{QStringLiteral("ACCX"), 1}}},
        {QStringLiteral("ACCX"), 1, 40000, {}},
    });
    writeFamily(Family::Pallet, lines);
    const QString failure = runExpectingFailure();
    EXPECT_TRUE(failure.contains(QStringLiteral("\"ACCX\""))) << failure.toStdString();
    EXPECT_TRUE(failure.contains(QStringLiteral("N6"))) << failure.toStdString();
    EXPECT_TRUE(dataFileExists(QStringLiteral("fppord.txt")));
}

} // namespace
} // namespace zuvo::test
