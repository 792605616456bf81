#pragma once

#include "mezzanine_costs/mezzanine_run.h"
#include "tests/support/quote_run.h"

#include <QStringList>
#include <optional>

namespace zuvo::test {

// A Mordisk run on a fresh sample data folder, with the Save As answered by a path.
class MordiskRun : public QuoteRunTest {
protected:
    // Rebuilds the folder's database from the sample SQL plus these statements.
    void addPriceRows(const QStringList& statements) { rebuildDatabase(statements); }
    // Replaces "codord.txt" with two header lines and the given order lines (CR LF ends).
    void writeOrders(const QStringList& lines);
    // Sets the template's B2 (the running quote number) to a number, or empties it.
    void setTemplateNumber(std::optional<double> number);
    // Runs the builder; the quotation is saved to savedPath() unless `cancelSaveAs`.
    void run(const quote::QuoteRequest& request, bool cancelSaveAs = false);
    // Runs and expects a failure; returns its message.
    QString runExpectingFailure(const quote::QuoteRequest& request);
    static quote::QuoteRequest request(const QString& sconto = QString());

    // The accessory groups of the last run.
    mezzanine::GroupFlags flags;
    // The office the runs work in.
    quote::OfficeSource runOffice = testOffice();
};

} // namespace zuvo::test
