#include "tests/mezzanine_letter/scratch_fixture.h"

#include "order_reading/order_file.h"

namespace zuvo::test {
namespace {

using ScratchSheet = ScratchSheetTest;

// The sample order: every group, bracing, seismic mode, an AREATOT line and a 120 m² deck.
TEST_F(ScratchSheet, SampleOrderWithEveryGroup)
{
    const auto orders = quote::readOrderFile(folder.file(QStringLiteral("codord.txt"))).content;
    const auto values = fill(orders, request(QString(), QStringLiteral("150"), QStringLiteral("25")));
    const sheet::Sheet sheet = scratch();

    // the customer as texts in column G; the running number stays the template's
    EXPECT_EQ(text(3, 7), QStringLiteral("=ROSSI & FIGLI"));
    EXPECT_EQ(sheet.formula(3, 7), QString());
    EXPECT_EQ(text(4, 7), QStringLiteral("VIA ROMA 12"));
    EXPECT_EQ(text(5, 7), QStringLiteral("20100 MILANO"));
    EXPECT_TRUE(sheet.cell(3, 3).isEmpty());
    EXPECT_EQ(number(2, 2), 41);

    // AREATOT is an ordinary article; the stair gets no seismic surcharge
    EXPECT_EQ(text(13, 1), QStringLiteral("AREATOT"));
    EXPECT_EQ(sheet.displayedText(13, 4), QStringLiteral("120.00"));
    EXPECT_EQ(text(25, 1), QStringLiteral("F0284212"));
    EXPECT_EQ(text(41, 1), QStringLiteral("SCALA1000"));
    EXPECT_DOUBLE_EQ(number(41, 5), 14 * 95 + 2 * 1250.96);
    EXPECT_EQ(values.descScala,
              QStringLiteral("SCALA L.1000 CON GRADINI IN GRIGLIATO A 14 GRADINI + 2 PIANEROTTOLI"));

    // railings with the split F0284044 share, gates, stairs, each closed by its amount
    EXPECT_EQ(text(32, 1), QStringLiteral("F0284044"));
    EXPECT_EQ(number(32, 3), 20);
    expectTotal(34, QStringLiteral("TOTALE PARAPETTI"), 550 + 336 + 350 + 13);
    EXPECT_EQ(text(36, 1), QStringLiteral("F0281805"));
    expectTotal(39, QStringLiteral("TOTALE CANCELLI"), 2 * 420 + 1230);
    expectTotal(43, QStringLiteral("TOTALE SCALE"), number(41, 7));
    EXPECT_TRUE(values.flgParapetti);
    EXPECT_TRUE(values.flgScale);
    EXPECT_DOUBLE_EQ(values.impParapetto, 1249);
    EXPECT_DOUBLE_EQ(values.impCancelli, 2070);
    EXPECT_DOUBLE_EQ(values.impScala, 3831.92);
    EXPECT_EQ(values.nScorr150, 1);
    EXPECT_EQ(values.nBasc200, 1);
    EXPECT_EQ(values.nScorr200 + values.nBasc150, 0);

    EXPECT_EQ(text(27, 2), QStringLiteral("TOTALE SOPPALCO"));
    EXPECT_EQ(sheet.formula(27, 7), QStringLiteral("=SUM(G$10:G25)"));
    EXPECT_TRUE(sheet.isBold(27, 2) && sheet.isBold(27, 7));
    EXPECT_NEAR(values.impSoppalco, 11095.2, 1e-9);
    EXPECT_NEAR(values.totGenerale, 1249 + 2070 + 3831.92 + 11095.2, 1e-9);
    expectTotal(45, QStringLiteral("TOTALE GENERALE"), values.totGenerale);
    EXPECT_TRUE(values.presCVV);
    EXPECT_EQ(values.qtaCVV, 4);

    // the fee at row 47 falls at the foot of the first page: the terms go to the second
    EXPECT_EQ(text(47, 2), QStringLiteral("DOCUMENTAZIONE PER DEPOSITO"));
    EXPECT_EQ(number(47, 7), 1100);
    EXPECT_EQ(values.costoDeposito, 1100);
    EXPECT_EQ(text(55, 7), QStringLiteral("...segue..."));
    EXPECT_TRUE(sheet.hasPageBreakBefore(56));

    EXPECT_EQ(text(58, 1), QStringLiteral("Condizioni:"));
    EXPECT_TRUE(sheet.isBold(58, 1));
    EXPECT_EQ(sheet.fillColour(58, 1), 0xFFFFFFFFu);
    EXPECT_EQ(text(60, 3), QStringLiteral("Porto franco con addebito 150"));
    EXPECT_EQ(text(62, 1), QStringLiteral("Data consegna prevista: 40 GG. D.R.O"));
    EXPECT_EQ(text(62, 3), QStringLiteral("Posa in opera (a locali liberi): 3000"));
    EXPECT_EQ(text(63, 3), QStringLiteral("Oneri per la sicurezza: 91"));
    EXPECT_EQ(sheet.border(63, 4, sheet::Edge::Bottom), sheet::Line::Thin);
    EXPECT_EQ(values.importoTrasporto, 150);
    EXPECT_EQ(values.importoPosa, 3000);  // 25 x 120 m²
    EXPECT_EQ(values.importoOneri, 91);   // 0.5 % of 18246.12

    EXPECT_EQ(text(66, 1), QStringLiteral(
        "Nell'attesa di un Vs. cortese riscontro, vogliate nel frattempo gradire i nostri"));
    EXPECT_EQ(text(68, 2), QStringLiteral("Distinti saluti"));
    EXPECT_EQ(text(69, 6), QStringLiteral("Varnolt s.r.l."));
    EXPECT_TRUE(sheet.isBold(69, 6) && sheet.isItalic(69, 6));
    EXPECT_EQ(text(72, 1), QStringLiteral(
        "eventuali opere murarie e quant'altro non indicato nel presente preventivo"));
}

// Without groups, and with the boxes as the window opens them: nothing is charged.
TEST_F(ScratchSheet, NoGroupAndTheWindowAsItOpens)
{
    const auto values = fill({orderLine(QStringLiteral("F0284045"), QStringLiteral("00000000"), 2),
                              orderLine(QStringLiteral("CVV00000"), QStringLiteral("00000000"), 4),
                              orderLine(QStringLiteral("CVV00000"), QStringLiteral("00000000"), 6)},
                             request(QString(), QStringLiteral(" "), QString()));
    const sheet::Sheet sheet = scratch();

    EXPECT_EQ(text(13, 1), QStringLiteral("F0284045"));
    EXPECT_EQ(text(15, 2), QStringLiteral("TOTALE SOPPALCO"));
    EXPECT_TRUE(sheet.cell(16, 2).isEmpty());
    EXPECT_FALSE(values.flgParapetti || values.flgScale);
    EXPECT_EQ(values.impParapetto + values.impCancelli + values.impScala, 0);
    EXPECT_EQ(values.nScorr150 + values.nScorr200 + values.nBasc200 + values.nBasc150, 0);
    EXPECT_DOUBLE_EQ(values.impSoppalco, 2 * 27 + 10 * 85 + 80 * 0.65);
    EXPECT_EQ(values.totGenerale, values.impSoppalco);
    EXPECT_TRUE(values.presCVV);
    EXPECT_EQ(values.qtaCVV, 6);  // the last bracing row, not the sum
    EXPECT_TRUE(values.descScala.isEmpty());

    EXPECT_EQ(text(17, 2), QStringLiteral("DOCUMENTAZIONE PER DEPOSITO"));
    EXPECT_EQ(values.costoDeposito, 550);
    EXPECT_FALSE(sheet.hasPageBreakBefore(56));
    EXPECT_TRUE(sheet.cell(55, 7).isEmpty());
    EXPECT_EQ(text(20, 1), QStringLiteral("Condizioni:"));
    EXPECT_EQ(text(22, 3), QStringLiteral("Porto: ASSEGNATO"));
    EXPECT_EQ(text(24, 3), QStringLiteral("Posa in opera (a locali liberi): ESCLUSA"));
    EXPECT_EQ(text(25, 3), QStringLiteral("Oneri per la sicurezza: ESCLUSI"));
    EXPECT_EQ(values.importoTrasporto + values.importoPosa + values.importoOneri, 0);
}

// Gates are counted by rows of each code; an emptied transport box and an assembly price that
// rounds half to even.
TEST_F(ScratchSheet, GateCountersAndTheCharges)
{
    const auto values = fill({orderLine(QStringLiteral("F0281805"), QStringLiteral("00000000"), 1),
                              orderLine(QStringLiteral("F0281805"), QStringLiteral("00000000"), 3),
                              orderLine(QStringLiteral("F0281810"), QStringLiteral("00000000"), 1),
                              orderLine(QStringLiteral("F0281815"), QStringLiteral("00000000"), 1),
                              orderLine(QStringLiteral("F0281820"), QStringLiteral("00000000"), 1),
                              orderLine(QStringLiteral("F0281825"), QStringLiteral("00000000"), 1),
                              orderLine(QStringLiteral("F0284060"), QStringLiteral("00005000"), 1)},
                             request(QString(), QString(), QStringLiteral("0.5")));
    const sheet::Sheet sheet = scratch();

    EXPECT_EQ(values.nScorr150, 2);
    EXPECT_EQ(values.nScorr200, 1);
    EXPECT_EQ(values.nBasc200, 1);
    EXPECT_EQ(values.nBasc150, 1);
    EXPECT_EQ(text(10, 1), QStringLiteral("F0281825"));
    EXPECT_EQ(text(16, 1), QStringLiteral("F0281805"));
    expectTotal(22, QStringLiteral("TOTALE CANCELLI"), 4470);
    EXPECT_FALSE(values.flgParapetti || values.flgScale);
    // no stairs: two empty rows under the last group total
    EXPECT_TRUE(sheet.cell(23, 2).isEmpty() && sheet.cell(24, 2).isEmpty());
    expectTotal(25, QStringLiteral("TOTALE GENERALE"), 4470 + 102.3);

    EXPECT_EQ(text(32, 3), QStringLiteral("Porto franco con addebito "));
    EXPECT_EQ(values.importoTrasporto, 0);
    EXPECT_EQ(text(34, 3), QStringLiteral("Posa in opera (a locali liberi): 2"));
    EXPECT_EQ(values.importoPosa, 2);  // 0.5 x 5 m² = 2.5
    EXPECT_EQ(text(35, 3), QStringLiteral("Oneri per la sicurezza: 23"));
    EXPECT_EQ(values.importoOneri, 23);  // 0.5 % of 4572.3
}

} // namespace
} // namespace zuvo::test
