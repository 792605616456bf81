#pragma once

#include "racking/family.h"
#include "spreadsheet/workbook.h"
#include "tests/support/temp_data_folder.h"
#include "window/quote_builder.h"

#include <QList>
#include <QPair>
#include <QStringList>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>

// Readable QString values in failure messages.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace zuvo::test {

// A ListinoScaff row for a test: its accessories as (code, count) and its sort key N6.
struct TestPrice {
    QString code;
    double prezzo = 0;
    int sortKey = 0;
    QList<QPair<QString, int>> accessories;
};

// A Tavrelo run on a fresh sample data folder without family files, with the Save As
// answered by a path.
class TavreloRun : public ::testing::Test {
public:
    // An order line in its fixed columns: code, measure in millimetres, quantity.
    static QString orderLine(const QString& code, int millimetres, const QString& quantity);

protected:
    void SetUp() override;
    void TearDown() override;

    // Rebuilds the folder's database from the sample SQL with these rows replacing any
    // sample row of the same code.
    void setPrices(const QList<TestPrice>& prices);
    // Writes a family file: two header lines and the lines, each ended by `lineEnd`.
    void writeFamily(racking::Family family, const QStringList& lines,
                     const QByteArray& lineEnd = "\r\n");
    // Writes a data file with some text.
    void writeDataFile(const QString& name);
    void removeDataFile(const QString& name);

    // Runs the builder; the quotation is saved to savedPath() unless `cancelSaveAs`.
    void run(const QString& sconto = QString(), bool cancelSaveAs = false);
    // Runs and expects a failure; returns its message.
    QString runExpectingFailure(const QString& sconto = QString());
    // The saved quotation's quote sheet (closed by the fixture).
    sheet::Sheet saved();
    // The template's B2 as it is on disk.
    double templateNumber();
    bool dataFileExists(const QString& name) const;

    // Checks, for shorter tests: column texts and numbers of a row of the saved sheet.
    QString text(int row, int column) { return saved().cell(row, column).toText(); }
    double number(int row, int column) { return saved().cell(row, column).toNumber(); }

    TempDataFolder folder;

private:
    QString savedPath() const;
    std::optional<sheet::Workbook> savedWorkbook_;
};

} // namespace zuvo::test
