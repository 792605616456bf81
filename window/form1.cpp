// The window's behaviour: start-up, the customer register and the hand-off to the builder.
#include "window/form1.h"

#include "common/data_files.h"
#include "common/data_folder.h"
#include "common/failure.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <exception>

namespace zuvo::window {

namespace {

const QString kGenerating = QStringLiteral("Generazione preventivo in corso.... Attendere");
const QString kNoName = QStringLiteral(
    "Scrivere la ragione sociale del cliente: un cliente senza nome non viene salvato.");

QString startFailureMessage(const QString& reason)
{
    return QStringLiteral("Il programma non può partire perché l'archivio dei clienti non è "
                          "utilizzabile.\n\n%1\n\nIl programma viene chiuso.")
        .arg(reason);
}

// An empty field shows, and goes into the quotation, as one blank.
QString shown(const QString& field)
{
    return field.isEmpty() ? QStringLiteral(" ") : field;
}

} // namespace

Form1::Form1(Program program, quote::QuoteBuilder& builder, QWidget* parent)
    : QWidget(parent), program_(program), builder_(builder)
{
    presentError_ = [this](const QString& message) {
        QMessageBox::critical(this, windowTitle(), message);
    };
    createControls();
}

void Form1::setErrorPresenter(ErrorPresenter presenter)
{
    presentError_ = std::move(presenter);
}

bool Form1::Form_Load()
{
    try {
        CaricaDati();
        return true;
    } catch (const zuvo::Failure& failure) {
        conn.reset();
        presentError_(startFailureMessage(failure.message()));
        return false;
    }
}

void Form1::CaricaDati()
{
    nuovoCliente = false;
    clienteDaLista = false;
    cboCombo->clear();
    conn = zuvo::db::Database::open(zuvo::dataFile(files::kDatabase));
    fillList(conn->customers());
    setCustomerBoxes(QStringLiteral(" "));
    if (program_ == Program::Tavrelo)
        Text4->setText(QString());
    else
        Text1->setText(QStringLiteral(" "));
}

// Refills the list with nothing selected and an empty edit field.
void Form1::fillList(const QList<zuvo::db::Customer>& customers)
{
    cboCombo->clear();
    for (const zuvo::db::Customer& customer : customers)
        cboCombo->addItem(customer.nome);
    cboCombo->setCurrentIndex(-1);
}

void Form1::setCustomerBoxes(const QString& text)
{
    for (QLineEdit* box : Text3)
        box->setText(text);
}

// Any click marks the customer as picked, even one that selects no entry.
void Form1::cboCombo_Click()
{
    clienteDaLista = true;
    const int index = cboCombo->currentIndex();
    if (index < 0)
        return;
    try {
        showCustomer(cboCombo->itemText(index));
    } catch (const zuvo::Failure& failure) {
        reportFailure(failure.message());
    }
}

// Shows the first customer of that name; one no longer in the register shows blank fields.
void Form1::showCustomer(const QString& nome)
{
    const zuvo::db::Customer customer = conn->customerNamed(nome).value_or(zuvo::db::Customer{});
    cliNome = nome;
    cliIndirizzo = shown(customer.indirizzo);
    cliCap = shown(customer.cap);
    cliLocalita = shown(customer.localita);
    cliProv = shown(customer.prov);
    Text3[0]->setText(cliNome);
    Text3[1]->setText(cliIndirizzo);
    Text3[2]->setText(cliCap);
    Text3[3]->setText(cliLocalita);
    Text3[4]->setText(cliProv);
}

void Form1::Command2_Click()
{
    setCustomerBoxes(QString());
    nuovoCliente = true;
    Text3[0]->setFocus();
}

// Saves the typed customer exactly as typed; the list is then sorted by name.
void Form1::Command3_Click()
{
    if (!nuovoCliente)
        return;
    const zuvo::db::Customer typed{Text3[0]->text(), Text3[1]->text(), Text3[2]->text(),
                                   Text3[3]->text(), Text3[4]->text()};
    if (typed.nome.trimmed().isEmpty()) {
        reportFailure(kNoName);
        return;
    }
    try {
        conn->appendCustomer(typed);
        fillList(conn->customersByName());
    } catch (const zuvo::Failure& failure) {
        reportFailure(failure.message());
        return;
    }
    setCustomerBoxes(QString());
    showStatus(QString());
}

void Form1::Command1_Click()
{
    if (!clienteDaLista) {
        cliNome = Text3[0]->text();
        cliIndirizzo = Text3[1]->text();
        cliCap = Text3[2]->text();
        cliLocalita = Text3[3]->text();
        cliProv = Text3[4]->text();
    }
    showStatus(kGenerating);
    Command1->setEnabled(false);
    // The status must be on screen before the builder starts.
    repaint();
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    running_ = true;
    const RunOutcome outcome = GeneraPreventivo();
    running_ = false;
    QGuiApplication::restoreOverrideCursor();
    if (!outcome.handedOver) {
        Command1->setEnabled(true);
        reportFailure(*outcome.message);
        return;
    }
    if (outcome.message)
        reportFailure(*outcome.message);
    endProgram();
}

// The window's historic fields as the builder's request.
quote::QuoteRequest Form1::request() const
{
    return {{cliNome, cliIndirizzo, cliCap, cliLocalita, cliProv},
            Text4->text(),
            Text1 ? Text1->text() : QString(),
            Text5 ? Text5->text() : QString()};
}

// Runs the program's builder. Nothing a builder throws may end the program unannounced:
// whatever it is, the user reads a message.
Form1::RunOutcome Form1::GeneraPreventivo()
{
    try {
        builder_.build(request(), *conn);
        return {true, std::nullopt};
    } catch (const quote::FailureAfterHandOver& failure) {
        return {true, failure.message()};
    } catch (const zuvo::Failure& failure) {
        return {false, failure.message()};
    } catch (const std::exception& error) {
        return {false, QStringLiteral("Errore imprevisto durante la generazione del preventivo: %1")
                           .arg(QString::fromLocal8Bit(error.what()))};
    } catch (...) {
        return {false, QStringLiteral("Errore imprevisto durante la generazione del preventivo.")};
    }
}

// One start makes one quotation: after the hand-over the database closes and the program ends.
void Form1::endProgram()
{
    conn->close();
    conn.reset();
    setEnabled(false);
    emit runFinished();
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [] { QCoreApplication::quit(); }, Qt::QueuedConnection);
}

void Form1::closeEvent(QCloseEvent* event)
{
    if (running_)
        event->ignore();
    else
        QWidget::closeEvent(event);
}

void Form1::reportFailure(const QString& message)
{
    showStatus(message);
    presentError_(message);
}

// A long text shows its beginning; the whole of it is in the tooltip.
void Form1::showStatus(const QString& text)
{
    Text2->setText(text);
    Text2->setCursorPosition(0);
    Text2->setToolTip(text);
}

} // namespace zuvo::window
