#include "tests/racking/tavrelo_fixture.h"

namespace zuvo::test {
namespace {

using racking::Family;

class SatDriveList : public TavreloRun {
protected:
    void SetUp() override
    {
        TavreloRun::SetUp();
        setPrices({
            {QStringLiteral("F0300070"), 10, 1, {{QStringLiteral("SACC"), 1}}},
            {QStringLiteral("F0802560"), 2, 2, {{QStringLiteral("G560"), 2}}},
            {QStringLiteral("G560"), 1, 3, {}},
            {QStringLiteral("F0802570"), 3, 4, {{QStringLiteral("GX"), 3}}},
            {QStringLiteral("F0802580"), 4, 5, {{QStringLiteral("GY"), 3}}},
            {QStringLiteral("GX"), 1, 6, {}},
            {QStringLiteral("GY"), 1, 7, {}},
            {QStringLiteral("OTH"), 1, 8, {{QStringLiteral("GX"), 7}, {QStringLiteral("GY"), 7}}},
            {QStringLiteral("F0802109"), 5, 9, {{QStringLiteral("F1"), 2}, {QStringLiteral("F2"), 4}}},
            {QStringLiteral("F1"), 1, 10, {}},
            {QStringLiteral("F2"), 1, 11, {}},
        });
    }
};

// Rails fold into metre runs without accessories; guide accessories grow per line by the
// line's metres, rounded; F0802580 keeps its share of a shared row at N x its total metres;
// F08021 codes take their first accessory only.
TEST_F(SatDriveList, AloneItsMetreRunsCountAccessoriesPerMetre)
{
    writeFamily(Family::SatDrive, {
        orderLine(QStringLiteral("F0300070"), 2500, QStringLiteral("2")),
        orderLine(QStringLiteral("F0300070"), 1000, QStringLiteral("1")),
        orderLine(QStringLiteral("F0802560"), 2500, QStringLiteral("4")),
        orderLine(QStringLiteral("F0802560"), 1250, QStringLiteral("2")),
        orderLine(QStringLiteral("OTH"), 0, QStringLiteral("1")),
        orderLine(QStringLiteral("F0802570"), 2500, QStringLiteral("1")),
        orderLine(QStringLiteral("F0802580"), 2500, QStringLiteral("1")),
        orderLine(QStringLiteral("F0802580"), 1250, QStringLiteral("2")),
        orderLine(QStringLiteral("F0802109"), 0, QStringLiteral("3")),
    });
    run();

    expectRows(10, {
        {QStringLiteral("F0300070"), 1, QStringLiteral("6"), 60},
        {QStringLiteral("F0802560"), 1, QStringLiteral("12.5"), 25},
        {QStringLiteral("G560"), 25, QStringLiteral(" "), 25},    // 2 x 10, then round(20 + 2 x 2.5)
        {QStringLiteral("F0802570"), 1, QStringLiteral("2.5"), 7.5},
        {QStringLiteral("F0802580"), 1, QStringLiteral("5"), 20},
        {QStringLiteral("GX"), 14, QStringLiteral(" "), 14},      // round(7 + 3 x 2.5)
        {QStringLiteral("GY"), 22, QStringLiteral(" "), 22},      // 7 + round(3 x 5)
        {QStringLiteral("OTH"), 1, QStringLiteral(" "), 1},
        {QStringLiteral("F0802109"), 3, QStringLiteral(" "), 15},
        {QStringLiteral("F1"), 6, QStringLiteral(" "), 6},
    });
    EXPECT_EQ(text(20, 1), QString());
    EXPECT_EQ(text(48, 7), QStringLiteral("TOTALE DOCUMENTO"));
    EXPECT_DOUBLE_EQ(number(49, 7), 195.5);
}

} // namespace
} // namespace zuvo::test
