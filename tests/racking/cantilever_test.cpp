#include "tests/racking/tavrelo_fixture.h"

namespace zuvo::test {
namespace {

using racking::Family;

QString line(const char* code, int millimetres, const char* quantity)
{
    return TavreloRun::orderLine(QString::fromLatin1(code), millimetres,
                                 QString::fromLatin1(quantity));
}

class CantileverList : public TavreloRun {};

// A CB line with 4 columns and a BT line with arms of 10 give a POM line's first accessory
// 1 x 2 x 2 x 4; arms of 14 make the factor 3. Further accessories go by the POM metres.
TEST_F(CantileverList, ColumnStateSizesTheOmegaAccessories)
{
    setPrices({
        {QStringLiteral("ACCA"), 1, 1, {}},
        {QStringLiteral("ACCB"), 1, 2, {}},
        {QStringLiteral("ACCM"), 1, 3, {}},
        {QStringLiteral("CB01"), 10, 4, {}},
        {QStringLiteral("POMA"), 10, 5, {{QStringLiteral("ACCA"), 1}, {QStringLiteral("ACCM"), 2}}},
        {QStringLiteral("POMB"), 10, 6, {{QStringLiteral("ACCB"), 1}}},
        {QStringLiteral("BTXX10"), 10, 7, {}},
        {QStringLiteral("BTXX14"), 10, 8, {}},
    });
    writeFamily(Family::Cantilever, {
        line("CB01", 0, "4"),
        line("BTXX10", 0, "1"),
        line("POMA", 1500, "2"),
        line("BTXX14", 0, "1"),
        line("POMB", 0, "1"),
    });
    run();

    expectRows(10, {
        {QStringLiteral("ACCA"), 16, QStringLiteral(" "), 16},
        {QStringLiteral("ACCB"), 24, QStringLiteral(" "), 24},
        {QStringLiteral("ACCM"), 6, QStringLiteral(" "), 6},  // round(2 x 2 x 1.5)
    });
}

// COLMTT and LAMTTCL lines fold into one metre run each, priced per metre; another COL
// code read before any COLMTT keeps a metre row of its own. Each line's accessories go by
// its own metres, rounded after each addition (2.5 gives 2, 9.5 gives 10).
TEST_F(CantileverList, ColumnAndPanelLinesRunByTheMetre)
{
    setPrices({
        {QStringLiteral("COLMTT"), 10, 1, {{QStringLiteral("VIT"), 1}}},
        {QStringLiteral("COL20"), 5, 2, {{QStringLiteral("VIT"), 1}}},
        {QStringLiteral("LAMTTCL"), 20, 3, {{QStringLiteral("VAF"), 4}}},
        {QStringLiteral("VIT"), 1, 4, {}},
        {QStringLiteral("VAF"), 0.5, 5, {}},
    });
    writeFamily(Family::Cantilever, {
        line("COL20", 1250, "2"),
        line("COLMTT", 3000, "2"),
        line("COLMTT", 1500, "1"),
        line("LAMTTCL", 2000, "1"),
        line("LAMTTCL", 500, "3"),
    });
    run();

    expectRows(10, {
        {QStringLiteral("COLMTT"), 1, QStringLiteral("7.5"), 75},
        {QStringLiteral("COL20"), 1, QStringLiteral("2.5"), 5},
        {QStringLiteral("LAMTTCL"), 1, QStringLiteral("3.5"), 70},
        {QStringLiteral("VIT"), 10, QStringLiteral(" "), 10},
        {QStringLiteral("VAF"), 14, QStringLiteral(" "), 7},
    });
    EXPECT_EQ(text(15, 1), QString());
    EXPECT_DOUBLE_EQ(number(49, 7), 167);
}

// 3 per metre of 25 columns of 0.58 m: 3 x 25 = 75, x 0.58 = 43.5, rounded to 44.
TEST_F(CantileverList, ColumnAccessoriesGoByCountTimesQuantityThenLength)
{
    setPrices({
        {QStringLiteral("COLMTT"), 10, 1, {{QStringLiteral("VIT"), 3}}},
        {QStringLiteral("VIT"), 1, 2, {}},
    });
    writeFamily(Family::Cantilever, {line("COLMTT", 580, "25")});
    run();

    expectRows(10, {
        {QStringLiteral("COLMTT"), 1, QStringLiteral("14.5"), 145},
        {QStringLiteral("VIT"), 44, QStringLiteral(" "), 44},
    });
}

// AAA lines, in the middle and last, leave no row; the list then takes the ZINC row,
// charging 37 % of the galvanised rows (B, CB, CM, TF, PAC) and discounted like any other.
TEST_F(CantileverList, AaaLinesBringTheZincSurcharge)
{
    setPrices({
        {QStringLiteral("BR01"), 100, 1, {}},
        {QStringLiteral("CM01"), 20, 2, {}},
        {QStringLiteral("TF01"), 50, 3, {}},
        {QStringLiteral("PAC01"), 30, 4, {}},
        {QStringLiteral("X01"), 10, 5, {}},
    });
    writeFamily(Family::Cantilever, {
        line("BR01", 0, "10"),
        line("CM01", 0, "1"),
        line("AAAZINC", 0, "1"),
        line("TF01", 0, "2"),
        line("PAC01", 0, "1"),
        line("X01", 0, "1"),
        line("AAAZINC", 0, "1"),
    });
    run(QStringLiteral("10"));

    expectRows(10, {
        {QStringLiteral("BR01"), 10, QStringLiteral(" "), 900},
        {QStringLiteral("CM01"), 1, QStringLiteral(" "), 18},
        {QStringLiteral("TF01"), 2, QStringLiteral(" "), 90},
        {QStringLiteral("PAC01"), 1, QStringLiteral(" "), 27},
        {QStringLiteral("X01"), 1, QStringLiteral(" "), 9},
        {QStringLiteral("ZINC"), 1, QStringLiteral(" "), 1150 * 0.37 * 0.9},
    });
    EXPECT_EQ(text(15, 2), QStringLiteral("Sovrapprezzo per zincatura a caldo"));
    EXPECT_NEAR(number(15, 5), 425.5, 1e-9);
    EXPECT_DOUBLE_EQ(number(15, 6), 10);
    EXPECT_DOUBLE_EQ(number(15, 8), 96);
    EXPECT_EQ(text(16, 1), QString());
}

// A PIA line becomes its grating by the metre (quantity x length x N1 / 4) and brings hooks:
// one per three whole metres, plus one per piece when the length is not a multiple of 3.
// A second line folds into the grating row. A PIA article without a grating stays as read
// and still brings its hooks.
TEST_F(CantileverList, PlatformLinesBecomeGratingAndHooks)
{
    setPrices({
        {QStringLiteral("GR9025"), 38, 1, {}},
        {QStringLiteral("GNC01"), 0.5, 2, {}},
        {QStringLiteral("PIA01"), 38, 3,
         {{QStringLiteral("GR9025"), 4}, {QStringLiteral("GNC01"), 1}}},
        {QStringLiteral("PIA02"), 38, 3, {{QString(), 0}, {QStringLiteral("GNC01"), 1}}},
    });
    writeFamily(Family::Cantilever, {
        line("PIA01", 4000, "2"),  // 8 m of grating; hooks 8 \ 3 + 2 = 4
        line("PIA01", 2500, "1"),  // 2.5 m; hooks round(2.5) \ 3 + 1 = 1
        line("PIA02", 3000, "1"),  // hooks 3 \ 3 = 1
    });
    run();

    expectRows(10, {
        {QStringLiteral("GR9025"), 1, QStringLiteral("10.5"), 399},
        {QStringLiteral("GNC01"), 6, QStringLiteral(" "), 3},
        {QStringLiteral("PIA02"), 1, QStringLiteral("3"), 38},
    });
    EXPECT_EQ(text(13, 1), QString());
}

// The surcharge rate by tier of the galvanised base, at and just above each boundary. With
// the AAA line first the ZINC row starts a row of its own and leaves its measure cell empty.
class ZincTiers : public TavreloRun,
                  public ::testing::WithParamInterface<std::pair<double, double>> {};

TEST_P(ZincTiers, RateFollowsTheBase)
{
    const auto [base, rate] = GetParam();
    setPrices({{QStringLiteral("BR01"), base, 1, {}}});
    writeFamily(Family::Cantilever, {line("AAAZINC", 0, "1"), line("BR01", 0, "1")});
    run();

    EXPECT_EQ(text(11, 1), QStringLiteral("ZINC"));
    EXPECT_TRUE(quoteSheet().cell(11, 4).isEmpty());
    EXPECT_NEAR(number(11, 5), base * rate, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Boundaries, ZincTiers,
                         ::testing::Values(std::pair{6000.0, 0.37}, std::pair{6000.5, 0.29},
                                           std::pair{12000.0, 0.29}, std::pair{12000.5, 0.26},
                                           std::pair{17500.0, 0.26}, std::pair{17500.5, 0.2}));

} // namespace
} // namespace zuvo::test
