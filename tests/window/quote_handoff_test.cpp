// "Genera preventivo": what the builder receives, the status line, and how a run ends.
#include "tests/window/window_fixture.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

namespace zuvo::test {
namespace {

using zuvo::window::Program;

const QString kGenerating = QStringLiteral("Generazione preventivo in corso.... Attendere");

QStringList customerOf(const zuvo::quote::QuoteRequest& request)
{
    const zuvo::quote::Customer& customer = request.customer;
    return {customer.nome, customer.indirizzo, customer.cap, customer.localita, customer.prov};
}

TEST_F(WindowTest, UntouchedWindowHandsOverFiveBlanksAndEndsTheRun)
{
    auto& form = openWindow(Program::Mordisk);
    QSignalSpy finished(&form, &zuvo::window::Form1::runFinished);
    click(form.Command1);

    ASSERT_EQ(builder.calls, 1);
    EXPECT_EQ(customerOf(builder.request), QStringList(5, " "));
    EXPECT_EQ(builder.request.sconto, "");
    EXPECT_EQ(builder.request.trasporto, " ");
    EXPECT_EQ(builder.request.montaggio, "");
    EXPECT_EQ(builder.statusAtCall, kGenerating);
    EXPECT_TRUE(builder.connOpenAtCall);

    EXPECT_EQ(finished.count(), 1);
    EXPECT_FALSE(form.conn.has_value());
    EXPECT_FALSE(form.isEnabled());
    EXPECT_EQ(form.Text2->text(), kGenerating);
    EXPECT_TRUE(shown.isEmpty());
}

TEST_F(WindowTest, PickedCustomerStandsEvenAfterTheBoxesAreRetyped)
{
    auto& form = openWindow();
    pick("D'Angelo Logistica");
    click(form.Command2);
    type(form.Text3[0], "Altro Cliente");
    type(form.Text3[3], "Varese");
    click(form.Command1);
    EXPECT_EQ(customerOf(builder.request),
              (QStringList{"D'Angelo Logistica", "Corso Francia 7", "10138", "Torino", "TO"}));
}

TEST_F(WindowTest, ClickSelectingNothingHandsOverTheEmptyCustomerStrings)
{
    auto& form = openWindow();
    form.cboCombo_Click();
    type(form.Text3[0], "Ignorato");
    click(form.Command1);
    EXPECT_EQ(customerOf(builder.request), QStringList(5, QString()));
}

TEST_F(WindowTest, TypedCustomerAndPriceInputsGoOverExactlyAsTyped)
{
    auto& form = openWindow(Program::Pellanor);
    click(form.Command2);
    type(form.Text3[0], "Nuova Ditta ");
    type(form.Text3[1], " Via Nuova 4");
    type(form.Text3[2], "37100");
    type(form.Text3[3], "Verona");
    type(form.Text3[4], "VR");
    type(form.Text4, "12.5");
    form.Text1->clear();
    type(form.Text1, "350");
    type(form.Text5, "18,50");
    click(form.Command1);
    EXPECT_EQ(customerOf(builder.request),
              (QStringList{"Nuova Ditta ", " Via Nuova 4", "37100", "Verona", "VR"}));
    EXPECT_EQ(builder.request.sconto, "12.5");
    EXPECT_EQ(builder.request.trasporto, "350");
    EXPECT_EQ(builder.request.montaggio, "18,50");
}

TEST_F(WindowTest, TavreloHandsOverTheDiscountOnly)
{
    auto& form = openWindow(Program::Tavrelo);
    EXPECT_EQ(form.Text4->text(), "");
    type(form.Text4, "30");
    click(form.Command1);
    EXPECT_EQ(builder.request.sconto, "30");
    EXPECT_EQ(builder.request.trasporto, "");
    EXPECT_EQ(builder.request.montaggio, "");
}

TEST_F(WindowTest, FailingBuilderShowsItsMessageAndLeavesTheWindowUsable)
{
    auto& form = openWindow();
    QSignalSpy finished(&form, &zuvo::window::Form1::runFinished);
    builder.failWith = QStringLiteral("Il file degli ordini \"codord.txt\" manca.");
    click(form.Command1);

    EXPECT_EQ(shown, QStringList{*builder.failWith});
    EXPECT_EQ(form.Text2->text(), *builder.failWith);
    EXPECT_EQ(finished.count(), 0);
    ASSERT_TRUE(form.conn.has_value());
    EXPECT_TRUE(form.conn->isOpen());
    EXPECT_TRUE(form.Command1->isEnabled());

    pick("Verdi & C.");
    EXPECT_EQ(form.Text3[3]->text(), "Firenze");
    builder.failWith.reset();
    click(form.Command1);
    EXPECT_EQ(builder.calls, 2);
    EXPECT_EQ(builder.statusAtCall, kGenerating);
    EXPECT_EQ(builder.request.customer.nome, "Verdi & C.");
    EXPECT_EQ(finished.count(), 1);
}

TEST_F(WindowTest, FailureAfterTheHandOverIsShownAndTheRunStillEnds)
{
    auto& form = openWindow();
    QSignalSpy finished(&form, &zuvo::window::Form1::runFinished);
    builder.failAfterHandOverWith = QStringLiteral("Eliminare \"codord.txt\".");
    click(form.Command1);

    EXPECT_EQ(shown, QStringList{*builder.failAfterHandOverWith});
    EXPECT_EQ(form.Text2->text(), *builder.failAfterHandOverWith);
    EXPECT_EQ(finished.count(), 1);
    EXPECT_FALSE(form.conn.has_value());
    EXPECT_FALSE(form.isEnabled());
}

} // namespace
} // namespace zuvo::test
