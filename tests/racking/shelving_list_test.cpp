#include "tests/racking/tavrelo_fixture.h"

namespace zuvo::test {
namespace {

using racking::Family;

class ShelvingList : public TavreloRun {
protected:
    void SetUp() override
    {
        TavreloRun::SetUp();
        setPrices({
            {QStringLiteral("RPL01"), 10, 1, {{QStringLiteral("GRL"), 3}}},
            {QStringLiteral("ANTLS"), 5, 2, {{QStringLiteral("GRL"), 1}}},
            {QStringLiteral("F0802012"), 20, 3, {{QStringLiteral("SPN"), 2}, {QStringLiteral("BLL"), 1}}},
            {QStringLiteral("P2C0400"), 99, 4, {{QStringLiteral("MLZ"), 2}}},
            {QStringLiteral("GRL"), 1, 5, {}},
            {QStringLiteral("SPN"), 1, 6, {}},
            {QStringLiteral("BLL"), 1, 7, {}},
            {QStringLiteral("MLZ"), 2, 8, {}},
            {QStringLiteral("SCALA1000"), 95, 9, {}},
        });
    }
};

// Accessories by quantity, whatever the length and unrounded; ANT and F08020/F08021 lines
// are ordinary articles; kits are substituted as in pallet racking.
TEST_F(ShelvingList, AloneItsAccessoriesGoByQuantity)
{
    writeFamily(Family::LightShelving, {
        orderLine(QStringLiteral("RPL01"), 2500, QStringLiteral("4")),
        orderLine(QStringLiteral("RPL01"), 0, QStringLiteral("2.5")),
        orderLine(QStringLiteral("ANTLS"), 0, QStringLiteral("1")),
        orderLine(QStringLiteral("F0802012"), 0, QStringLiteral("2")),
        orderLine(QStringLiteral("P2C0400"), 0, QStringLiteral("3")),
    });
    run();

    expectRows(10, {
        {QStringLiteral("RPL01"), 4, QStringLiteral("2.5"), 40},
        {QStringLiteral("RPL01"), 2.5, QStringLiteral(" "), 25},
        {QStringLiteral("ANTLS"), 1, QStringLiteral(" "), 5},
        {QStringLiteral("F0802012"), 2, QStringLiteral(" "), 40},
        {QStringLiteral("GRL"), 20.5, QStringLiteral(" "), 20.5},  // 3 x 4 + 3 x 2.5 + 1
        {QStringLiteral("SPN"), 4, QStringLiteral(" "), 4},
        {QStringLiteral("BLL"), 2, QStringLiteral(" "), 2},
        {QStringLiteral("MLZ"), 6, QStringLiteral(" "), 12},
    });
    EXPECT_EQ(text(18, 1), QString());
    EXPECT_DOUBLE_EQ(number(49, 7), 148.5);
}

// After pallet racking the list starts on the next page block and never reaches the pallet
// rows; an ANT line there leaves light shelving's F08020/F08021 lines alone; a stair gives
// the same row in both lists.
TEST_F(ShelvingList, AfterPalletRackingItStartsOnTheNextPage)
{
    writeFamily(Family::Pallet, {
        orderLine(QStringLiteral("ANTLS"), 0, QStringLiteral("1")),
        orderLine(QStringLiteral("SPN"), 0, QStringLiteral("1")),
        orderLine(QStringLiteral("SCALA1000"), 300412, QStringLiteral("1")),
    });
    writeFamily(Family::LightShelving, {
        orderLine(QStringLiteral("F0802012"), 0, QStringLiteral("1")),
        orderLine(QStringLiteral("SCALA1000"), 300412, QStringLiteral("1")),
    });
    run();

    expectRows(10, {
        {QStringLiteral("SPN"), 1, QStringLiteral(" "), 1},
        {QStringLiteral("SCALAFM"), 1, QStringLiteral(" "), 1540},
    });
    expectRows(66, {
        {QStringLiteral("F0802012"), 1, QStringLiteral(" "), 20},
        {QStringLiteral("SPN"), 2, QStringLiteral(" "), 2},
        {QStringLiteral("BLL"), 1, QStringLiteral(" "), 1},
        {QStringLiteral("SCALAFM"), 1, QStringLiteral(" "), 1540},
    });
    EXPECT_EQ(text(69, 2), text(11, 2));
    EXPECT_EQ(text(71, 2), QStringLiteral("TOTALE SCAFFALATURA LEGGERA"));
}

} // namespace
} // namespace zuvo::test
