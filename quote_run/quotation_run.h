#pragma once

#include "quote_run/consumed_files.h"
#include "quote_run/hand_over.h"
#include "quote_run/office_source.h"
#include "quote_run/quote_request.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace zuvo::quote {

// What a builder brings to the road every quotation takes.
struct QuotationSteps {
    // The template in the data folder whose untitled copy becomes the quotation, and the cells
    // of the running number kept in it: read from the first, written into all.
    QString templateFile;
    QStringList numberCells;
    // Further data files the run needs; all are checked before anything is consumed.
    QStringList inputs;
    // Data files deleted once the quotation is in the user's hands.
    ConsumedFiles consumedFiles;
    // Reads the builder's inputs (order files, price list) before the office is asked for,
    // and notes in consumedFiles every data file the run consumes, as it is then.
    std::function<void()> readInputs;
    // Work with the office that must succeed before a number is used; may be empty.
    std::function<void(sheet::Office&)> beforeNumber;
    // Fills the numbered quotation.
    std::function<void(sheet::Workbook& quotation, sheet::Office& office)> fill;
};

// The shared road of a quotation: every input checked and read, then the running number
// raised in the template, the quotation filled in an untitled copy of it, handed to the user,
// and only then the consumed files deleted that are still as the run found them. A failure
// before the number leaves everything as it was; a later one before the hand-over closes the
// unfinished quotation and keeps the input files.
void runQuotation(QuotationSteps& steps, const OfficeSource& office, HandOver& handOver);

// A builder that takes that road, in the office it is given, to the user it is given.
class QuotationBuilder : public QuoteBuilder {
public:
    QuotationBuilder(OfficeSource office, HandOver& handOver)
        : office_(std::move(office)), handOver_(handOver)
    {
    }

protected:
    void run(QuotationSteps& steps) { runQuotation(steps, office_, handOver_); }

private:
    OfficeSource office_;
    HandOver& handOver_;
};

} // namespace zuvo::quote
