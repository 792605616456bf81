#include "tests/racking/tavrelo_fixture.h"

#include "spreadsheet/format.h"

namespace zuvo::test {
namespace {

using racking::Family;
using sheet::Edge;
using sheet::Line;

// Codes LP01..LPnn priced 1..n, each with quantity 1; `descendingKeys` gives them sort
// keys in the reverse order of the file.
QList<TestPrice> numberedPrices(int count, bool descendingKeys)
{
    QList<TestPrice> prices;
    for (int i = 1; i <= count; ++i) {
        prices.append({QStringLiteral("LP%1").arg(i, 2, 10, QLatin1Char('0')), double(i),
                       descendingKeys ? 100 - i : i, {}});
    }
    return prices;
}

QStringList numberedLines(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << TavreloRun::orderLine(QStringLiteral("LP%1").arg(i, 2, 10, QLatin1Char('0')), 0,
                                       QStringLiteral("1"));
    return lines;
}

class FamilyPages : public TavreloRun {};

TEST_F(FamilyPages, OneFamilyAloneClosesWithTheDocumentTotalBox)
{
    setPrices(numberedPrices(3, false));
    writeFamily(Family::LightShelving, numberedLines(3));
    run();

    EXPECT_EQ(text(10, 1), QStringLiteral("LP01"));
    EXPECT_EQ(text(12, 1), QStringLiteral("LP03"));
    EXPECT_EQ(text(14, 2), QString());  // no section total row when alone
    EXPECT_EQ(text(48, 7), QStringLiteral("TOTALE DOCUMENTO"));
    EXPECT_TRUE(saved().isBold(48, 7));
    EXPECT_DOUBLE_EQ(number(49, 7), 6);
    EXPECT_EQ(saved().formula(49, 7), QStringLiteral("=SUM(G$10:G$12)"));
    EXPECT_EQ(saved().numberFormat(49, 7).remove(QLatin1Char('"')), QStringLiteral("$ #,##0.00"));
    EXPECT_NE(saved().fillColour(48, 5), 0xFFFFFFFFu);
    EXPECT_NE(saved().fillColour(49, 7), 0xFFFFFFFFu);
    EXPECT_EQ(saved().border(48, 5, Edge::Left), Line::Thin);
    EXPECT_EQ(saved().border(49, 7, Edge::Bottom), Line::Thin);
    EXPECT_EQ(text(51, 1), QStringLiteral("Condizioni:"));
    EXPECT_EQ(text(44, 7), QString());
}

// A short first family leaves its total inside the rows that the next page copies: the
// next family's amount on that row must not take the total's currency format.
TEST_F(FamilyPages, NextFamilyKeepsPlainAmountsWhereAFamilyTotalStood)
{
    QList<TestPrice> prices = numberedPrices(8, false);
    setPrices(prices);
    writeFamily(Family::Pallet, numberedLines(3));
    writeFamily(Family::LightShelving, numberedLines(8));
    run();

    EXPECT_EQ(text(14, 2), QStringLiteral("TOTALE SCAFFALATURA PORTAPALLETS"));
    EXPECT_EQ(text(57 + 13, 1), QStringLiteral("LP05"));
    EXPECT_EQ(saved().numberFormat(57 + 13, 7), saved().numberFormat(57 + 9, 7));
    EXPECT_FALSE(saved().displayedText(57 + 13, 7).contains(QLatin1Char('$')));
}

// Pallet racking with 40 rows (another family follows: 33 rows on the first page, 7 on a
// continuation page), light shelving and drive-in; each family total sums its own rows and
// the document total sums the family totals.
TEST_F(FamilyPages, SeveralFamiliesGetTotalsAndContinuationPages)
{
    QList<TestPrice> prices = numberedPrices(40, true);
    prices << TestPrice{QStringLiteral("LS01"), 10, 1, {{QStringLiteral("LSA"), 3}}}
           << TestPrice{QStringLiteral("LSA"), 1, 2, {}}
           << TestPrice{QStringLiteral("F080101"), 100, 1, {}}
           << TestPrice{QStringLiteral("FM0251601"), 10, 2, {}}
           << TestPrice{QStringLiteral("SPTAGLIO"), 999, 3, {}};
    setPrices(prices);
    writeFamily(Family::Pallet, numberedLines(40));
    writeFamily(Family::LightShelving, {orderLine(QStringLiteral("LS01"), 0, QStringLiteral("2"))});
    writeFamily(Family::DriveIn, {
        orderLine(QStringLiteral("SPTAGLIO"), 1000, QStringLiteral("1")),
        orderLine(QStringLiteral("FM0251601"), 0, QStringLiteral("2")),
        orderLine(QStringLiteral("F080101"), 0, QStringLiteral("4")),
    });
    run(QStringLiteral("10"));

    // Pallet racking, sorted on its descending keys, over two page blocks.
    EXPECT_EQ(text(10, 1), QStringLiteral("LP40"));
    EXPECT_EQ(text(42, 1), QStringLiteral("LP08"));
    EXPECT_EQ(text(43, 1), QString());
    EXPECT_EQ(text(44, 7), QStringLiteral("segue..."));
    // The page header and column headings repeated, the copied list rows gone.
    EXPECT_EQ(text(59, 3), text(3, 3));
    EXPECT_EQ(text(58, 2), text(2, 2));
    EXPECT_EQ(text(65, 1), text(9, 1));
    EXPECT_EQ(text(73, 1), QString());
    EXPECT_EQ(text(73, 8), QString());
    EXPECT_EQ(text(66, 1), QStringLiteral("LP07"));
    EXPECT_EQ(text(72, 1), QStringLiteral("LP01"));
    EXPECT_EQ(text(74, 2), QStringLiteral("TOTALE SCAFFALATURA PORTAPALLETS"));
    EXPECT_TRUE(saved().isBold(74, 2));
    EXPECT_TRUE(saved().isBold(74, 7));
    EXPECT_EQ(saved().numberFormat(74, 7).remove(QLatin1Char('"')), QStringLiteral("$ #,##0.00"));
    EXPECT_NEAR(number(74, 7), 820 * 0.9, 1e-9);
    EXPECT_EQ(text(100, 7), QStringLiteral("segue..."));

    // Light shelving on the third block.
    EXPECT_EQ(text(122, 1), QStringLiteral("LS01"));
    EXPECT_DOUBLE_EQ(number(123, 3), 6);
    EXPECT_EQ(text(125, 2), QStringLiteral("TOTALE SCAFFALATURA LEGGERA"));
    EXPECT_NEAR(number(125, 7), 26 * 0.9, 1e-9);
    EXPECT_EQ(text(156, 7), QStringLiteral("segue..."));

    // Drive-in: FM02516 counts three times, the cutting charge is 5 % of the F0801 lines,
    // undiscounted.
    EXPECT_EQ(text(178, 1), QStringLiteral("F080101"));
    EXPECT_DOUBLE_EQ(number(179, 3), 6);
    EXPECT_EQ(text(180, 1), QStringLiteral("SPTAGLIO"));
    EXPECT_DOUBLE_EQ(number(180, 5), 20);
    EXPECT_DOUBLE_EQ(number(180, 7), 20);
    EXPECT_EQ(text(182, 2), QStringLiteral("TOTALE DRIVE-IN"));
    EXPECT_NEAR(number(182, 7), 360 + 54 + 20, 1e-9);
    EXPECT_EQ(text(212, 7), QString());

    EXPECT_EQ(text(216, 7), QStringLiteral("TOTALE DOCUMENTO"));
    EXPECT_EQ(saved().formula(217, 7), QStringLiteral("=SUM(G$74;G$125;G$182)"));
    EXPECT_NEAR(number(217, 7), 738 + 23.4 + 434, 1e-9);
    EXPECT_EQ(text(219, 1), QStringLiteral("Condizioni:"));
    EXPECT_EQ(text(220, 1), QStringLiteral("Prezzo: NETTO"));
}

// 32 rows with another family to follow fill the first page: the family total row at page
// row 43 stays there, "segue..." right below it, and the next family starts on the new page.
TEST_F(FamilyPages, FullPageListKeepsItsTotalAboveSegue)
{
    setPrices(numberedPrices(32, false));
    writeFamily(Family::Pallet, numberedLines(32));
    writeFamily(Family::Cantilever, numberedLines(1));
    run();

    EXPECT_EQ(text(41, 1), QStringLiteral("LP32"));
    EXPECT_EQ(text(42, 1), QString());
    EXPECT_EQ(text(43, 2), QStringLiteral("TOTALE SCAFFALATURA PORTAPALLETS"));
    EXPECT_EQ(saved().formula(43, 7), QStringLiteral("=SUM(G$10:G$41)"));
    EXPECT_EQ(text(44, 7), QStringLiteral("segue..."));
    EXPECT_EQ(text(98, 1), QString());
    EXPECT_EQ(text(99, 2), QString());
    EXPECT_EQ(text(66, 1), QStringLiteral("LP01"));
    EXPECT_EQ(text(68, 2), QStringLiteral("TOTALE CANTILEVER"));
    EXPECT_EQ(saved().formula(105, 7), QStringLiteral("=SUM(G$43;G$68)"));
    EXPECT_DOUBLE_EQ(number(105, 7), 528 + 1);
}

// 60 rows alone: 33 on the first page, "segue...", 27 on the next, the box and the
// conditions below them.
TEST_F(FamilyPages, SixtyRowListContinuesWithoutOverwriting)
{
    setPrices(numberedPrices(60, false));
    writeFamily(Family::Pallet, numberedLines(60));
    run();

    const auto first = saved().cells(sheet::RangeAddress::rows(10, 42, 1, 1));
    for (int i = 0; i < 33; ++i)
        EXPECT_EQ(first[i][0].toText(), QStringLiteral("LP%1").arg(i + 1, 2, 10, QLatin1Char('0')));
    EXPECT_EQ(text(44, 7), QStringLiteral("segue..."));
    EXPECT_EQ(text(48, 7), QString());
    const auto second = saved().cells(sheet::RangeAddress::rows(66, 92, 1, 1));
    for (int i = 0; i < 27; ++i)
        EXPECT_EQ(second[i][0].toText(), QStringLiteral("LP%1").arg(i + 34));
    EXPECT_EQ(text(93, 1), QString());
    EXPECT_EQ(text(104, 7), QStringLiteral("TOTALE DOCUMENTO"));
    EXPECT_EQ(saved().formula(105, 7), QStringLiteral("=SUM(G$10:G$42;G$66:G$92)"));
    EXPECT_DOUBLE_EQ(number(105, 7), 1830);
    EXPECT_EQ(text(107, 1), QStringLiteral("Condizioni:"));
    EXPECT_EQ(text(112, 1), QStringLiteral("Condizioni di pagamento: DA CONVENIRE"));
    EXPECT_EQ(saved().fontName(113, 1), QStringLiteral("Arial"));
}

TEST_F(FamilyPages, EmptyListsTotalZero)
{
    setPrices(numberedPrices(1, false));
    writeFamily(Family::Pallet, {});
    writeFamily(Family::SatDrive, numberedLines(1));
    run();

    EXPECT_EQ(text(11, 2), QStringLiteral("TOTALE SCAFFALATURA PORTAPALLETS"));
    EXPECT_DOUBLE_EQ(number(11, 7), 0);
    EXPECT_EQ(text(44, 7), QStringLiteral("segue..."));
    EXPECT_EQ(text(66, 1), QStringLiteral("LP01"));
    EXPECT_EQ(text(68, 2), QStringLiteral("TOTALE SAT-DRIVE"));
    EXPECT_DOUBLE_EQ(number(105, 7), 1);
}

TEST_F(FamilyPages, EmptyListAloneHasAZeroDocumentTotal)
{
    writeFamily(Family::Cantilever, {});
    run();

    EXPECT_EQ(text(10, 1), QString());
    EXPECT_EQ(text(48, 7), QStringLiteral("TOTALE DOCUMENTO"));
    EXPECT_DOUBLE_EQ(number(49, 7), 0);
}

} // namespace
} // namespace zuvo::test
