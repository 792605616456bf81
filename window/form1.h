#pragma once

#include "database/database.h"
#include "quote_run/quote_request.h"
#include "window/program.h"

#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zuvo::window {

// The only window of each program: the customer panel with the customer register, the price
// inputs, the status line and "Genera preventivo", which hands over to the program's builder.
// Controls keep their historic names so that each maps to one control of the window design.
class Form1 : public QWidget {
    Q_OBJECT

public:
    using ErrorPresenter = std::function<void(const QString& message)>;

    Form1(Program program, quote::QuoteBuilder& builder, QWidget* parent = nullptr);

    // The load event: opens the database and fills the list. A database that cannot be used
    // is reported through the error presenter and false is returned: the program must end.
    bool Form_Load();

    // Replaces the message box that shows failures (tests record the messages instead).
    void setErrorPresenter(ErrorPresenter presenter);

    // Event procedures, public so that tests can drive them as the signals do.
    void cboCombo_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

    QComboBox* cboCombo = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QLineEdit* Text1 = nullptr;  // Mordisk, Pellanor only
    QLineEdit* Text2 = nullptr;
    std::array<QLineEdit*, 5> Text3{};
    QLineEdit* Text4 = nullptr;
    QLineEdit* Text5 = nullptr;  // Mordisk, Pellanor only
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;  // Labels 5 to 9: Mordisk, Pellanor only
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label14 = nullptr;
    QLabel* Label16 = nullptr;
    QLabel* Label17 = nullptr;

    // Open from the load event until a quotation run has finished.
    std::optional<zuvo::db::Database> conn;

    QString cliNome;
    QString cliIndirizzo;
    QString cliCap;
    QString cliLocalita;
    QString cliProv;
    bool nuovoCliente = false;
    bool clienteDaLista = false;

signals:
    // A quotation has been handed over; the database is closed and the program is ending.
    void runFinished();

protected:
    // The window stays while a quotation is being made: closing it then would end the program
    // in the middle of the run.
    void closeEvent(QCloseEvent* event) override;

private:
    // What a run came to: whether the quotation reached the user, and what the user must read.
    struct RunOutcome {
        bool handedOver = false;
        std::optional<QString> message;
    };

    void createControls();
    void createCommonControls();
    void createMezzanineInputs();
    void createRackingInputs();
    void chainTabOrder();

    void CaricaDati();
    void fillList(const QList<zuvo::db::Customer>& customers);
    void setCustomerBoxes(const QString& text);
    void showCustomer(const QString& nome);
    quote::QuoteRequest request() const;
    RunOutcome GeneraPreventivo();
    void endProgram();
    void reportFailure(const QString& message);
    void showStatus(const QString& text);

    Program program_;
    quote::QuoteBuilder& builder_;
    ErrorPresenter presentError_;
    bool running_ = false;
};

} // namespace zuvo::window
