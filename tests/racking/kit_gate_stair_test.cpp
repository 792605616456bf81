#include "tests/racking/tavrelo_fixture.h"

namespace zuvo::test {
namespace {

using racking::Family;

class KitsGatesStairs : public TavreloRun {
protected:
    void SetUp() override
    {
        TavreloRun::SetUp();
        // Sort keys 0, so the sorted list keeps the order of writing; only the six-part kit
        // has an N6, which is also its sixth count.
        setPrices({
            {QStringLiteral("P2C001"), 99, 0, {{QStringLiteral("KA"), 2}, {QStringLiteral("KB"), 4}}},
            {QStringLiteral("D2C001"), 99, 0, {{QStringLiteral("KA"), 1}, {QStringLiteral("KB"), 1}}},
            {QStringLiteral("PZE001"), 2, 0, {{QStringLiteral("PZE001"), 5}, {QStringLiteral("KC"), 1}}},
            {QStringLiteral("P2C006"), 99, 2, {{QStringLiteral("K1"), 1}, {QStringLiteral("K2"), 1},
                                               {QStringLiteral("K3"), 1}, {QStringLiteral("K4"), 1},
                                               {QStringLiteral("K5"), 1}, {QStringLiteral("K6"), 0}}},
            {QStringLiteral("KA"), 10, 0, {}},
            {QStringLiteral("KB"), 1, 0, {}},
            {QStringLiteral("KC"), 3, 0, {}},
            {QStringLiteral("K1"), 1, 0, {}},
            {QStringLiteral("K2"), 1, 0, {}},
            {QStringLiteral("K3"), 1, 0, {}},
            {QStringLiteral("K4"), 1, 0, {}},
            {QStringLiteral("K5"), 1, 0, {}},
            {QStringLiteral("K6"), 1, 0, {}},
            {QStringLiteral("F0281810"), 365, 0, {}},
            {QStringLiteral("F0281805"), 320, 0, {}},
            {QStringLiteral("F0299000"), 7, 0, {{QStringLiteral("KC"), 1}}},
            {QStringLiteral("SCALA1000"), 95, 0, {}},
            {QStringLiteral("SCALA800"), 50, 0, {}},
        });
    }
};

// Kits give way to their components (the kit's row taken over, then new rows, or added to
// earlier rows and the kit's row deleted); gates with a length become "F02818XX"; stairs
// are described and priced by height, type and steps.
TEST_F(KitsGatesStairs, PalletLinesTakeTheirOwnRules)
{
    writeFamily(Family::Pallet, {
        orderLine(QStringLiteral("P2C001"), 0, QStringLiteral("3")),
        orderLine(QStringLiteral("D2C001"), 0, QStringLiteral("2")),
        orderLine(QStringLiteral("PZE001"), 0, QStringLiteral("1")),
        orderLine(QStringLiteral("P2C006"), 0, QStringLiteral("1")),
        orderLine(QStringLiteral("F0281810"), 2500, QStringLiteral("1")),
        orderLine(QStringLiteral("F0281805"), 290, QStringLiteral("2")),
        orderLine(QStringLiteral("F0299000"), 0, QStringLiteral("1")),
        orderLine(QStringLiteral("SCALA1000"), 300412, QStringLiteral("2")),
        orderLine(QStringLiteral("SCALA800"), 610, QStringLiteral("1")),
        QStringLiteral("SCALA800  0000041"),
    });
    run();

    expectRows(10, {
        {QStringLiteral("KA"), 8, QStringLiteral(" "), 80},   // 2 x 3 on the kit's row, + 1 x 2
        {QStringLiteral("KB"), 14, QStringLiteral(" "), 14},  // 4 x 3, + 1 x 2
        {QStringLiteral("PZE001"), 5, QStringLiteral(" "), 10},  // its own code takes the row
        {QStringLiteral("KC"), 1, QStringLiteral(" "), 3},
        {QStringLiteral("K1"), 1, QStringLiteral(" "), 1},
        {QStringLiteral("K2"), 1, QStringLiteral(" "), 1},
        {QStringLiteral("K3"), 1, QStringLiteral(" "), 1},
        {QStringLiteral("K4"), 1, QStringLiteral(" "), 1},
        {QStringLiteral("K5"), 1, QStringLiteral(" "), 1},
        {QStringLiteral("K6"), 2, QStringLiteral(" "), 2},    // the kit's N6 (K5's is 0)
        {QStringLiteral("F02818XX"), 1, QString(), 365},
        {QStringLiteral("F02818XX"), 2, QString(), 640},
        {QStringLiteral("F0299000"), 1, QStringLiteral(" "), 7},
        {QStringLiteral("SCALAFM"), 2, QStringLiteral(" "), 3080},
        {QStringLiteral("SCALA800"), 1, QStringLiteral(" "), 876},
        {QStringLiteral("SCALA800"), 0, QStringLiteral(" "), 0},
    });
    EXPECT_EQ(text(26, 1), QString());
    EXPECT_EQ(text(20, 2), QStringLiteral("CANC. SCORR. CM.250 LUCE C/BINARIO + ACC."));
    EXPECT_EQ(text(21, 2), QStringLiteral("CANC. SCORR. CM.29 LUCE C/BINARIO + ACC."));
    EXPECT_EQ(text(23, 2), QStringLiteral("SCALA DA CM.300 A 12 GRADINI + 2 PIANEROTTOLI"));
    EXPECT_DOUBLE_EQ(number(23, 5), 1540);  // 12 x 95 + 2 x 200
    EXPECT_EQ(text(24, 2), QStringLiteral("DESCRIZIONE SCALA800 A 10 GRADINI + PIANEROTTOLO"));
    // A line cut short after its type: the steps are the field's last two characters.
    EXPECT_EQ(text(25, 2), QStringLiteral("DESCRIZIONE SCALA800 A 41 GRADINI + 2 PIANEROTTOLI"));
    EXPECT_DOUBLE_EQ(number(25, 5), 2426);  // 41 x 50 + 2 x 188
}

} // namespace
} // namespace zuvo::test
