#include "mezzanine_costs/accessory_groups.h"
#include "mezzanine_costs/body_writer.h"
#include "mezzanine_costs/fee_row.h"
#include "mezzanine_costs/mezzanine_totals.h"
#include "mezzanine_costs/page_blocks.h"
#include "mezzanine_rules/documentation_fee.h"

#include <gtest/gtest.h>

namespace zuvo::mezzanine {
namespace {

quote::QuoteRow article(const QString& code, double quantity = 1)
{
    quote::QuoteRow row;
    row.code = code;
    row.descr = QStringLiteral("DESCRIZIONE ") + code;
    row.quantity = quantity;
    row.price = 10;
    return row;
}

QStringList codesOf(const QList<quote::QuoteRow>& rows)
{
    QStringList codes;
    for (const quote::QuoteRow& row : rows)
        codes << row.code;
    return codes;
}

TEST(DocumentationFee, BandsAndRounding)
{
    EXPECT_EQ(documentationFee(std::nullopt), 550);
    EXPECT_EQ(documentationFee(49.99), 550);
    EXPECT_EQ(documentationFee(50), 550);      // 520 raised to the next 50
    EXPECT_EQ(documentationFee(60), 650);      // 624
    EXPECT_EQ(documentationFee(99.99), 1050);  // 1039.896, still the first band
    EXPECT_EQ(documentationFee(100), 950);     // 910 at the second band's rate
    EXPECT_EQ(documentationFee(200), 1600);    // 1560
    EXPECT_EQ(documentationFee(57.75), 650);   // 600.6 rounds to 601
}

TEST(DocumentationFee, ProductNextToAMultipleOfFiftyIsChargedAsComputed)
{
    EXPECT_DOUBLE_EQ(documentationFee(250), 7.8 * 250);  // 1950
    EXPECT_DOUBLE_EQ(documentationFee(300), 6.5 * 300);  // 1950
    EXPECT_DOUBLE_EQ(documentationFee(52.9), 10.4 * 52.9);  // 550.16, not 600
}

TEST(PageBlocks, OnePageUpToNoteRow46)
{
    const PageBlocks blocks = PageBlocks::forNoteRow(46);
    EXPECT_FALSE(blocks.continues());
    EXPECT_EQ(blocks.sheetRow(45), 45);
    EXPECT_EQ(blocks.documentTotalRow(), 48);
    EXPECT_EQ(blocks.lastBlockFirstRow(), 1);
}

TEST(PageBlocks, SecondBlockTakesTheRowsFrom43TwentyThreeRowsLower)
{
    const PageBlocks blocks = PageBlocks::forNoteRow(47);
    EXPECT_EQ(blocks.count(), 2);
    EXPECT_EQ(blocks.sheetRow(42), 42);
    EXPECT_EQ(blocks.sheetRow(43), 66);
    EXPECT_EQ(blocks.sheetRow(47), 70);
    EXPECT_EQ(blocks.documentTotalRow(), 100);
    EXPECT_EQ(blocks.lastBlockFirstRow(), 57);

    const PageBlocks full = PageBlocks::forNoteRow(76);
    EXPECT_EQ(full.count(), 2);
    EXPECT_EQ(full.sheetRow(75), 98);
    EXPECT_EQ(full.sheetRow(76), 99);
}

TEST(PageBlocks, LongerBodyContinuesOnAThirdBlock)
{
    const PageBlocks blocks = PageBlocks::forNoteRow(77);
    EXPECT_EQ(blocks.count(), 3);
    EXPECT_EQ(blocks.sheetRow(75), 98);
    EXPECT_EQ(blocks.sheetRow(76), 122);
    EXPECT_EQ(blocks.sheetRow(77), 123);
    EXPECT_EQ(blocks.documentTotalRow(), 156);
    EXPECT_EQ(blocks.lastBlockFirstRow(), 113);
    EXPECT_EQ(PageBlocks::forNoteRow(109).count(), 3);
    EXPECT_EQ(PageBlocks::forNoteRow(110).count(), 4);
}

TEST(SumFormula, FormsOnOnePage)
{
    const PageBlocks onePage = PageBlocks::forNoteRow(34);
    EXPECT_EQ(sumFormula({AmountSum::Form::Above, 22, {}}, 26, onePage), "=SUM(R[-4]C:R[-2]C)");
    EXPECT_EQ(sumFormula({AmountSum::Form::FromRow, 10, {}}, 19, onePage), "=SUM(R10C:R[-2]C)");
    EXPECT_EQ(sumFormula({AmountSum::Form::FromRow, 10, {}}, 11, onePage), "=SUM(R10C:R[-2]C)");
    EXPECT_EQ(sumFormula({AmountSum::Form::Rows, 0, {19, 25, 29}}, 31, onePage),
              "=SUM(R19C7,R25C7,R29C7)");
}

// Each end of a range follows its own row, as a cut and paste of the rows from 43 leaves it.
TEST(SumFormula, RangesCutByThePageKeepTheirEndsWhereTheyLanded)
{
    const PageBlocks twoPages = PageBlocks::forNoteRow(50);
    // the list in body rows 10 to 45, its total in body row 47, now sheet row 70: G10:G68
    EXPECT_EQ(sumFormula({AmountSum::Form::FromRow, 10, {}}, 47, twoPages), "=SUM(R10C:R[-2]C)");
    EXPECT_EQ(sumFormula({AmountSum::Form::Above, 40, {}}, 47, twoPages), "=SUM(R[-30]C:R[-2]C)");
    EXPECT_EQ(sumFormula({AmountSum::Form::Above, 44, {}}, 47, twoPages), "=SUM(R[-3]C:R[-2]C)");
    EXPECT_EQ(sumFormula({AmountSum::Form::Rows, 0, {30, 47}}, 49, twoPages), "=SUM(R30C7,R70C7)");

    // a total that moved while its range stayed on the first block
    const PageBlocks moved = PageBlocks::forNoteRow(47);
    EXPECT_EQ(sumFormula({AmountSum::Form::FromRow, 10, {}}, 44, moved), "=SUM(R10C:R[-25]C)");
}

TEST(AccessoryGroups, RailingsGatesAndStairsLeaveTheListInOrder)
{
    const GroupedArticles grouped = groupAccessories({
        article("CVV00000"), article("F0281805"), article("F0284018", 4), article("F0284044", 30),
        article("F0284047"), article("F0284054"), article("SCALA800"), article("SCALAX"),
    });
    EXPECT_EQ(codesOf(grouped.list), QStringList({"CVV00000", "F0284044", "F0284054"}));
    EXPECT_EQ(codesOf(grouped.railings.rows), QStringList({"F0284018", "F0284044", "F0284047"}));
    EXPECT_EQ(codesOf(grouped.gates.rows), QStringList({"F0281805"}));
    EXPECT_EQ(codesOf(grouped.stairs.rows), QStringList({"SCALA800", "SCALAX"}));
    // five per unit of F0284018 go to the railings, the rest stays
    EXPECT_EQ(grouped.railings.rows[1].quantity, 20);
    EXPECT_EQ(grouped.list[1].quantity, 10);
    EXPECT_EQ(grouped.railings.splitRows, 1);
}

TEST(AccessoryGroups, SplitNeedsARailingBeforeAndTakesTheLastRailingCount)
{
    const GroupedArticles noRailingBefore =
        groupAccessories({article("F0284044", 30), article("F0284047"), article("F0284049")});
    EXPECT_EQ(noRailingBefore.railings.splitRows, 0);
    EXPECT_EQ(noRailingBefore.list[0].quantity, 30);

    const GroupedArticles withoutCount = groupAccessories({article("F0284020"), article("F0284044", 30)});
    EXPECT_EQ(withoutCount.railings.rows[1].quantity, 0);
    EXPECT_EQ(withoutCount.list[0].quantity, 30);

    const GroupedArticles twoCounts = groupAccessories(
        {article("F0284018", 2), article("F0284018", 3), article("F0284044", 10), article("F0284044", 40)});
    EXPECT_EQ(twoCounts.railings.splitRows, 2);
    EXPECT_EQ(twoCounts.railings.rows[2].quantity, 15);
    EXPECT_EQ(twoCounts.railings.rows[3].quantity, 15);
    EXPECT_EQ(twoCounts.list[0].quantity, -5);
    EXPECT_EQ(twoCounts.list[1].quantity, 25);
}

// The steps before the page layout work on the body in memory only.
class ClosingBody : public ::testing::Test {
protected:
    void build(const QList<quote::QuoteRow>& sorted, std::optional<double> area = std::nullopt)
    {
        for (const quote::QuoteRow& row : sorted)
            run.list.append(row);
        run.areaTot = area;
        formAccessoryGroups(run);
        addMezzanineTotals(run);
        addDocumentationFee(run);
    }
    const BodyLine& line(int row) const { return run.body.at(row); }

    MezzanineRun run{sheet::Sheet(nullptr), db::PriceList()};
};

TEST_F(ClosingBody, WorkedExampleWithRailingsAndGates)
{
    QList<quote::QuoteRow> sorted;
    for (int i = 0; i < 11; ++i)
        sorted << article(QStringLiteral("ZA%1").arg(i, 2, 10, QLatin1Char('0')));
    sorted[1] = article("F0281805");
    sorted[2] = article("F0284018", 4);
    sorted[3] = article("F0284044", 30);
    sorted[4] = article("F0284047");
    build(sorted);

    EXPECT_TRUE(run.flags.flgParapetti);
    EXPECT_TRUE(run.flags.flgCancelli);
    EXPECT_FALSE(run.flags.flgScale);
    EXPECT_EQ(run.list.endRow() - 1, 17);
    EXPECT_EQ(line(19).label, "TOTALE SOLO SOPPALCO");
    EXPECT_EQ(line(21).article.code, "F0284018");
    EXPECT_EQ(line(22).article.quantity, 20);
    EXPECT_EQ(line(23).article.code, "F0284047");
    EXPECT_EQ(line(25).label, "TOTALE PARAPETTI");
    EXPECT_EQ(line(25).sum.first, 21);
    EXPECT_EQ(line(27).article.code, "F0281805");
    EXPECT_EQ(line(29).label, "TOTALE CANCELLI");
    EXPECT_EQ(line(31).label, "TOTALE SOPPALCO COMPLETO");
    EXPECT_EQ(line(31).sum.rows, (QList<int>{19, 25, 29}));
    EXPECT_EQ(line(33).kind, BodyLine::Kind::Fee);
    EXPECT_EQ(line(33).fee, 550);
    EXPECT_EQ(line(34).label, "(Prove sui materiali escluse)");
    EXPECT_EQ(run.body.rigaTotComplessivo, 31);
    EXPECT_EQ(run.body.rigaProve, 34);
    for (int row : {18, 20, 24, 26, 28, 30, 32})
        EXPECT_EQ(line(row).kind, BodyLine::Kind::Blank) << row;
}

TEST_F(ClosingBody, WithoutGroupsTheFeeFollowsTheMezzanineTotal)
{
    build({article("ZA1"), article("ZA2")}, 120);
    EXPECT_FALSE(run.flags.flgParapetti || run.flags.flgCancelli || run.flags.flgScale);
    EXPECT_EQ(line(13).label, "TOTALE SOLO SOPPALCO");
    EXPECT_EQ(run.body.rigaTotComplessivo, 13);
    EXPECT_EQ(line(15).fee, 1100);  // 1092
    EXPECT_EQ(run.body.rigaProve, 16);
}

TEST_F(ClosingBody, RailingWithoutSplitReachesTheEmptyRowAboveAndStairsAloneStartThreeRowsLower)
{
    build({article("SCALA800")});
    EXPECT_EQ(line(11).label, "TOTALE SOLO SOPPALCO");
    EXPECT_EQ(line(13).article.code, "SCALA800");
    EXPECT_EQ(line(15).label, "TOTALE SCALE");
    EXPECT_EQ(line(15).sum.first, 13);
    EXPECT_EQ(line(17).sum.rows, (QList<int>{11, 15}));

    run = MezzanineRun{sheet::Sheet(nullptr), db::PriceList()};
    build({article("F0284020"), article("ZA1")});
    EXPECT_EQ(line(14).article.code, "F0284020");
    EXPECT_EQ(line(16).label, "TOTALE PARAPETTI");
    EXPECT_EQ(line(16).sum.first, 13);
}

TEST_F(ClosingBody, AnArticleCalledTotaleIsNotATotal)
{
    quote::QuoteRow named = article("ZA1");
    named.descr = QStringLiteral("TOTALE ARTICOLO");
    build({named, article("F0281810")});
    EXPECT_EQ(line(16).label, "TOTALE CANCELLI");
    EXPECT_EQ(line(18).label, "TOTALE SOPPALCO COMPLETO");
    EXPECT_EQ(line(18).sum.rows, (QList<int>{12, 16}));
}

} // namespace
} // namespace zuvo::mezzanine
