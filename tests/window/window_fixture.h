#pragma once

#include "database/customer.h"
#include "quote_run/quote_request.h"
#include "window/form1.h"

#include <QByteArray>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace zuvo::test {

// A builder that records what the window hands over, and fails when told to.
class RecordingBuilder : public zuvo::quote::QuoteBuilder {
public:
    void build(const zuvo::quote::QuoteRequest& request, zuvo::db::Database& database) override;

    zuvo::window::Form1* window = nullptr;
    std::optional<QString> failWith;
    // Fails with this message as if the quotation had already reached the user.
    std::optional<QString> failAfterHandOverWith;
    int calls = 0;
    zuvo::quote::QuoteRequest request;
    QString statusAtCall;
    bool connOpenAtCall = false;
};

// A data folder of its own with a small customer register (table order: Rossi, D'Angelo,
// a row without name, Bianchi with empty and null fields, a second Rossi, Verdi) and one window
// over it. Failures the window would show in a message box are collected in `shown`.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the window of one program and runs its load event, which must succeed.
    zuvo::window::Form1& openWindow(zuvo::window::Program program = zuvo::window::Program::Mordisk);
    // Creates the window without loading it.
    zuvo::window::Form1& createWindow(zuvo::window::Program program);

    // Chooses a list entry as the user does, through the drop-down list.
    void pick(const QString& name);
    void click(QWidget* button);
    void type(QWidget* box, const QString& text);
    QStringList listEntries() const;
    QList<zuvo::db::Customer> storedCustomers() const;
    QString databaseFile() const;

    QTemporaryDir dataDir;
    RecordingBuilder builder;
    std::unique_ptr<zuvo::window::Form1> window;
    QStringList shown;

private:
    QByteArray previousZuvoData_;
    bool hadZuvoData_ = false;
};

} // namespace zuvo::test
