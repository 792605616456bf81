// The customer register as the user meets it: the list, a pick, a new customer and "Salva".
#include "tests/window/window_fixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace zuvo::test {
namespace {

using zuvo::window::Program;

QStringList boxTexts(const zuvo::window::Form1& form)
{
    QStringList texts;
    for (const QLineEdit* box : form.Text3)
        texts.append(box->text());
    return texts;
}

const QStringList kFiveBlanks(5, QStringLiteral(" "));
const QStringList kFiveEmpty(5, QString());

TEST_F(WindowTest, StartListsNamedCustomersInTableOrderWithNothingPicked)
{
    const auto& form = openWindow();
    EXPECT_EQ(listEntries(), (QStringList{"Rossi Scaffalature", "D'Angelo Logistica", "Bianchi Srl",
                                          "Rossi Scaffalature", "Verdi & C."}));
    EXPECT_EQ(form.cboCombo->currentIndex(), -1);
    EXPECT_EQ(form.cboCombo->currentText(), "");
    EXPECT_EQ(boxTexts(form), kFiveBlanks);
    EXPECT_FALSE(form.nuovoCliente);
    EXPECT_FALSE(form.clienteDaLista);
}

TEST_F(WindowTest, PickShowsTheCustomerIncludingAnApostropheInTheName)
{
    const auto& form = openWindow();
    pick("D'Angelo Logistica");
    EXPECT_TRUE(form.clienteDaLista);
    EXPECT_EQ(boxTexts(form),
              (QStringList{"D'Angelo Logistica", "Corso Francia 7", "10138", "Torino", "TO"}));
    EXPECT_EQ(form.cliNome, "D'Angelo Logistica");
    EXPECT_EQ(form.cliIndirizzo, "Corso Francia 7");
    EXPECT_EQ(form.cliCap, "10138");
    EXPECT_EQ(form.cliLocalita, "Torino");
    EXPECT_EQ(form.cliProv, "TO");
    EXPECT_TRUE(shown.isEmpty());
}

TEST_F(WindowTest, PickShowsEmptyAndNullFieldsAsOneBlank)
{
    const auto& form = openWindow();
    pick("Bianchi Srl");
    EXPECT_EQ(boxTexts(form), (QStringList{"Bianchi Srl", " ", " ", "Bergamo", " "}));
    EXPECT_EQ(form.cliIndirizzo, " ");
    EXPECT_EQ(form.cliCap, " ");
    EXPECT_EQ(form.cliProv, " ");
}

TEST_F(WindowTest, EitherEntryOfADuplicateNameShowsTheFirstRecord)
{
    auto& form = openWindow();
    form.cboCombo->setCurrentIndex(3);
    form.cboCombo_Click();
    EXPECT_EQ(form.Text3[3]->text(), "Milano");
}

TEST_F(WindowTest, ClickSelectingNothingStillMarksTheCustomerAsPicked)
{
    auto& form = openWindow();
    form.cboCombo_Click();
    EXPECT_TRUE(form.clienteDaLista);
    EXPECT_EQ(boxTexts(form), kFiveBlanks);
}

TEST_F(WindowTest, NewCustomerIsSavedExactlyAsTypedAndTheListIsSortedByName)
{
    auto& form = openWindow();
    click(form.Command2);
    EXPECT_TRUE(form.nuovoCliente);
    EXPECT_EQ(boxTexts(form), kFiveEmpty);
    EXPECT_EQ(form.focusWidget(), form.Text3[0]);

    type(form.Text3[0], " Alfa Soppalchi ");
    type(form.Text3[1], "Via Lunga 10");
    type(form.Text3[3], "Padova");
    type(form.Text3[4], "PD");
    click(form.Command3);

    const QList<zuvo::db::Customer> stored = storedCustomers();
    ASSERT_EQ(stored.size(), 6);
    const zuvo::db::Customer& saved = stored.last();
    EXPECT_EQ(saved.nome, " Alfa Soppalchi ");
    EXPECT_EQ(saved.indirizzo, "Via Lunga 10");
    EXPECT_EQ(saved.cap, "");
    EXPECT_EQ(saved.localita, "Padova");
    EXPECT_EQ(saved.prov, "PD");

    EXPECT_EQ(listEntries(), (QStringList{" Alfa Soppalchi ", "Bianchi Srl", "D'Angelo Logistica",
                                          "Rossi Scaffalature", "Rossi Scaffalature", "Verdi & C."}));
    EXPECT_EQ(form.cboCombo->currentIndex(), -1);
    EXPECT_EQ(boxTexts(form), kFiveEmpty);
    EXPECT_TRUE(form.nuovoCliente);
    EXPECT_FALSE(form.clienteDaLista);
    EXPECT_TRUE(shown.isEmpty());

    type(form.Text3[0], "Beta Srl");
    click(form.Command3);
    EXPECT_EQ(storedCustomers().size(), 7);
}

TEST_F(WindowTest, SaveWithoutNewCustomerModeSavesNothing)
{
    auto& form = openWindow();
    form.Text3[0]->setText("Gamma Spa");
    click(form.Command3);
    EXPECT_EQ(storedCustomers().size(), 5);
    EXPECT_EQ(form.Text3[0]->text(), "Gamma Spa");
}

TEST_F(WindowTest, SaveWithABlankNameSavesNothingAndSaysWhy)
{
    auto& form = openWindow();
    click(form.Command2);
    type(form.Text3[0], "   ");
    type(form.Text3[1], "Via Corta 1");
    click(form.Command3);

    EXPECT_EQ(storedCustomers().size(), 5);
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown.first().contains("ragione sociale")) << shown.first().toStdString();
    EXPECT_EQ(form.Text2->text(), shown.first());
    EXPECT_EQ(form.Text3[1]->text(), "Via Corta 1");
    EXPECT_EQ(listEntries().size(), 5);

    click(form.Command3);
    EXPECT_EQ(storedCustomers().size(), 5);
}

} // namespace
} // namespace zuvo::test
