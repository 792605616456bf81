#pragma once

#include "racking/family.h"
#include "tests/support/quote_run.h"

#include <QList>
#include <QPair>
#include <QStringList>

namespace zuvo::test {

// A ListinoScaff row for a test: its accessories as (code, count) and its sort key N6.
struct TestPrice {
    QString code;
    double prezzo = 0;
    int sortKey = 0;
    QList<QPair<QString, int>> accessories;
};

// A quote row as the saved sheet shows it.
struct ExpectedRow {
    QString code;
    double quantity;
    QString measure;  // as shown: "0.75", " " for a row priced per piece, "" for an empty cell
    double amount;
};

// Checks consecutive quote rows from `firstRow` on: code, quantity, measure and amount.
void expectRows(const sheet::Sheet& sheet, int firstRow, const QList<ExpectedRow>& rows);

// A Tavrelo run on a fresh sample data folder without family files nor seismic data, with the Save As
// answered by a path.
class TavreloRun : public QuoteRunTest {
public:
    // An order line in its fixed columns: code, measure in millimetres, quantity.
    static QString orderLine(const QString& code, int millimetres, const QString& quantity);

protected:
    void SetUp() override;

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

    // Checks consecutive rows of the quote sheet from `firstRow`: code, quantity, measure
    // and amount.
    void expectRows(int firstRow, const QList<ExpectedRow>& rows)
    {
        test::expectRows(quoteSheet(), firstRow, rows);
    }

    // The saved quotation's quote sheet, whichever sheet was left active.
    sheet::Sheet quoteSheet() { return saved(QStringLiteral("Foglio1")); }
    // Checks, for shorter tests: column texts and numbers of a row of the quote sheet.
    QString text(int row, int column) { return quoteSheet().cell(row, column).toText(); }
    double number(int row, int column) { return quoteSheet().cell(row, column).toNumber(); }

    // The sheet the quotation showed when it was handed over.
    QString shownSheet;
};

} // namespace zuvo::test
