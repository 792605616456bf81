#pragma once

#include "quote_run/hand_over.h"
#include "quote_run/office_source.h"
#include "quote_run/quote_request.h"
#include "spreadsheet/workbook.h"
#include "tests/support/temp_data_folder.h"

#include <QStringList>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>

// Shows QStrings as text in failure messages.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace zuvo::test {

// A quotation run on a fresh sample data folder through the shared test office, with the
// Save As answered by savedPath() or cancelled, and the quotation then closed.
class QuoteRunTest : public ::testing::Test {
protected:
    void TearDown() override;

    // The test office, as a builder asks for it.
    static quote::OfficeSource testOffice();
    // The Save As answer: the saved path, or a cancel, given once duringHandOver has run.
    std::unique_ptr<quote::HandOver> handOver(bool cancelSaveAs) const;
    // Calls the builder on the folder's database.
    void generate(quote::QuoteBuilder& builder, const quote::QuoteRequest& request);
    // Runs and expects a failure; returns its message.
    static QString failureOf(const std::function<void()>& run);

    // Rebuilds the folder's database from the sample SQL followed by these statements.
    void rebuildDatabase(const QStringList& statements);
    // Replaces a data file with a header of two lines and the lines, each ended by `lineEnd`.
    void writeOrderFile(const QString& name, const QStringList& lines,
                        const QByteArray& lineEnd = "\r\n");

    // The saved quotation's active sheet (closed at the end of the test).
    sheet::Sheet saved();
    // Closes the saved quotation before a further run saves over it.
    void closeSaved();
    // A sheet of the saved quotation by its name.
    sheet::Sheet saved(const QString& sheetName);
    // The template's B2 as it is on disk.
    double templateNumber();
    QString savedPath() const;
    bool dataFileExists(const QString& name) const;

    TempDataFolder folder;
    // What happens while the Save As dialog is open, if anything.
    std::function<void()> duringHandOver;

private:
    sheet::Workbook& savedWorkbook();

    std::optional<sheet::Workbook> savedWorkbook_;
};

} // namespace zuvo::test
