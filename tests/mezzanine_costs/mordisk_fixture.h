#pragma once

#include "database/database.h"
#include "spreadsheet/workbook.h"
#include "tests/support/temp_data_folder.h"
#include "window/quote_builder.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>

// Shows QStrings as text in failure messages.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace zuvo::test {

// A Mordisk run on a fresh sample data folder, with the Save As answered by a path.
class MordiskRun : public ::testing::Test {
protected:
    // Rebuilds the folder's database from the sample SQL plus these statements.
    void addPriceRows(const QStringList& statements);
    // Replaces "codord.txt" with two header lines and the given order lines (CR LF ends).
    void writeOrders(const QStringList& lines);
    // Sets the template's B2 (the running quote number) to a number, or empties it.
    void setTemplateNumber(std::optional<double> number);
    // Runs the builder; the quotation is saved to savedPath() unless `cancelSaveAs`.
    void run(const window::QuoteRequest& request, bool cancelSaveAs = false);
    // Runs and expects a failure; returns its message.
    QString runExpectingFailure(const window::QuoteRequest& request);
    // The saved quotation, opened read-only for checks (closed by the fixture).
    sheet::Sheet saved();
    // The template's B2 as it is on disk.
    double templateNumber();
    QString savedPath() const;
    bool dataFileExists(const QString& name) const;
    static window::QuoteRequest request(const QString& sconto = QString());

    void TearDown() override;

    TempDataFolder folder;
    window::GroupFlags flags;

private:
    std::optional<sheet::Workbook> savedWorkbook_;
};

} // namespace zuvo::test
