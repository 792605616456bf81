#include "tests/mezzanine_costs/closing_fixture.h"

#include "spreadsheet/sheet.h"

namespace zuvo::test {
namespace {

using sheet::Sheet;

double amount(Sheet& quote, int row)
{
    return quote.cell(row, 7).toNumber();
}

void expectTotalRow(Sheet& quote, int row, const QString& label)
{
    EXPECT_EQ(quote.cell(row, 2).text, label) << "row " << row;
    EXPECT_TRUE(quote.isBold(row, 2)) << "row " << row;
    EXPECT_TRUE(quote.isBold(row, 7)) << "row " << row;
}

using ClosingGroups = ClosingRun;

TEST_F(ClosingGroups, WithoutGroupsOnlyTheMezzanineTotalAndTheFee)
{
    QStringList lines = plainLines(2);
    lines << orderLine(QStringLiteral("AREATOT"), QStringLiteral("00060000"), 1);
    writeOrders(lines);
    run(request());

    Sheet quote = saved();
    EXPECT_FALSE(flags.flgParapetti || flags.flgCancelli || flags.flgScale);
    EXPECT_EQ(columnA(10, 12), QStringList({"ZC100", "ZC100", ""}));
    expectTotalRow(quote, 13, QStringLiteral("TOTALE SOLO SOPPALCO"));
    EXPECT_EQ(quote.formula(13, 7), QStringLiteral("=SUM(G$10:G11)"));
    EXPECT_DOUBLE_EQ(amount(quote, 13), 20);

    EXPECT_EQ(quote.cell(15, 2).text, QStringLiteral("DOCUMENTAZIONE PER DEPOSITO"));
    EXPECT_EQ(quote.formula(15, 7), QString());
    EXPECT_DOUBLE_EQ(amount(quote, 15), 650);  // 60 m² at 10.4 = 624
    EXPECT_TRUE(quote.isBold(15, 2));
    EXPECT_TRUE(quote.isBold(15, 7));
    EXPECT_EQ(quote.cell(16, 2).text, QStringLiteral("(Prove sui materiali escluse)"));
    EXPECT_TRUE(quote.isBold(16, 2));
    EXPECT_TRUE(quote.cell(17, 2).isEmpty());
    EXPECT_DOUBLE_EQ(amount(quote, 49), 670);
}

TEST_F(ClosingGroups, RailingsGatesAndStairsEachGetTheirTotal)
{
    QStringList lines{
        orderLine(QStringLiteral("F0284044"), QStringLiteral("00000000"), 30),
        orderLine(QStringLiteral("F0284018"), QStringLiteral("00012500"), 4),  // brings 20 F0284044
        orderLine(QStringLiteral("F0284047"), QStringLiteral("00000000"), 1),
        orderLine(QStringLiteral("F0281805"), QStringLiteral("00000000"), 1),
        orderLine(QStringLiteral("SCALA800"), QStringLiteral("00000107"), 1),
    };
    lines << plainLines(7);
    writeOrders(lines);
    run(request());

    Sheet quote = saved();
    EXPECT_TRUE(flags.flgParapetti && flags.flgCancelli && flags.flgScale);
    EXPECT_EQ(columnA(10, 18), QStringList({"F0284044", "ZC100", "ZC100", "ZC100", "ZC100", "ZC100",
                                             "ZC100", "ZC100", ""}));
    EXPECT_EQ(quote.cell(10, 3).number, 30);
    expectTotalRow(quote, 19, QStringLiteral("TOTALE SOLO SOPPALCO"));
    EXPECT_DOUBLE_EQ(amount(quote, 19), amount(quote, 10) + 70);

    // the railings with the split row among them, three rows under the list
    EXPECT_EQ(columnA(20, 24), QStringList({"", "F0284018", "F0284044", "F0284047", ""}));
    EXPECT_EQ(quote.cell(22, 3).number, 20);
    EXPECT_EQ(quote.numberFormat(21, 4), QStringLiteral("0.00"));
    EXPECT_EQ(quote.formula(22, 7), QStringLiteral("=$C22*$E22-$C22*$E22*$F22/100"));
    expectTotalRow(quote, 25, QStringLiteral("TOTALE PARAPETTI"));
    EXPECT_EQ(quote.formula(25, 7), QStringLiteral("=SUM(G21:G23)"));
    EXPECT_DOUBLE_EQ(amount(quote, 25), amount(quote, 21) + amount(quote, 22) + amount(quote, 23));

    EXPECT_EQ(quote.cell(27, 1).text, QStringLiteral("F0281805"));
    expectTotalRow(quote, 29, QStringLiteral("TOTALE CANCELLI"));
    EXPECT_DOUBLE_EQ(amount(quote, 29), 420);
    EXPECT_EQ(quote.cell(31, 1).text, QStringLiteral("SCALA800"));
    expectTotalRow(quote, 33, QStringLiteral("TOTALE SCALE"));
    EXPECT_DOUBLE_EQ(amount(quote, 33), amount(quote, 31));

    expectTotalRow(quote, 35, QStringLiteral("TOTALE SOPPALCO COMPLETO"));
    EXPECT_EQ(quote.formula(35, 7), QStringLiteral("=SUM($G$19;$G$25;$G$29;$G$33)"));
    EXPECT_DOUBLE_EQ(amount(quote, 35),
                     amount(quote, 19) + amount(quote, 25) + amount(quote, 29) + amount(quote, 33));
    EXPECT_EQ(quote.cell(37, 2).text, QStringLiteral("DOCUMENTAZIONE PER DEPOSITO"));
    EXPECT_EQ(quote.formula(49, 7), QStringLiteral("=SUM(G$35;G$37)"));
    EXPECT_DOUBLE_EQ(amount(quote, 49), amount(quote, 35) + 550);
}

TEST_F(ClosingGroups, EveryF0284044RowGivesItsShareAndTheRailingTotalCoversThemAll)
{
    writeOrders({
        orderLine(QStringLiteral("F0284018"), QStringLiteral("00001000"), 1),  // brings 5 F0284044
        orderLine(QStringLiteral("F0284044"), QStringLiteral("00000000"), 10),
        orderLine(QStringLiteral("F0284044"), QStringLiteral("00000000"), 10),
    });
    run(request());

    Sheet quote = saved();
    EXPECT_EQ(columnA(10, 12), QStringList({"F0284044", "F0284044", "F0284044"}));
    EXPECT_EQ(columnA(16, 19), QStringList({"F0284018", "F0284044", "F0284044", "F0284044"}));
    double quantities = 0;
    for (int row : {10, 11, 12, 17, 18, 19})
        quantities += quote.cell(row, 3).number;
    EXPECT_EQ(quantities, 25);
    expectTotalRow(quote, 21, QStringLiteral("TOTALE PARAPETTI"));
    EXPECT_DOUBLE_EQ(amount(quote, 21), amount(quote, 16) + amount(quote, 17) + amount(quote, 18)
                                            + amount(quote, 19));
}

TEST_F(ClosingGroups, StairsAloneAndAnArticleCalledTotale)
{
    QStringList lines = plainLines(1);
    lines << orderLine(QStringLiteral("ZTOT"), QStringLiteral("00000000"), 1)
          << orderLine(QStringLiteral("SCALA800"), QStringLiteral("00000107"), 1);
    writeOrders(lines);
    run(request());

    Sheet quote = saved();
    EXPECT_FALSE(flags.flgParapetti || flags.flgCancelli);
    EXPECT_TRUE(flags.flgScale);
    EXPECT_EQ(quote.cell(11, 2).text, QStringLiteral("TOTALE FORNITURA EXTRA"));
    EXPECT_FALSE(quote.isBold(11, 2));
    expectTotalRow(quote, 13, QStringLiteral("TOTALE SOLO SOPPALCO"));
    EXPECT_EQ(quote.cell(15, 1).text, QStringLiteral("SCALA800"));
    expectTotalRow(quote, 17, QStringLiteral("TOTALE SCALE"));
    expectTotalRow(quote, 19, QStringLiteral("TOTALE SOPPALCO COMPLETO"));
    EXPECT_EQ(quote.formula(19, 7), QStringLiteral("=SUM($G$13;$G$17)"));
    EXPECT_DOUBLE_EQ(amount(quote, 19), 20 + amount(quote, 15));
}

} // namespace
} // namespace zuvo::test
