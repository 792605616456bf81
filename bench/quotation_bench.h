#pragma once

#include "quote_sheet/hand_over.h"
#include "quote_sheet/office_source.h"
#include "quote_sheet/quote_request.h"

#include <QByteArrayList>
#include <QString>
#include <functional>
#include <memory>

namespace zuvo::bench {

// Writes an order-code file of `lines` generated lines over the codes, in turn.
void writeGeneratedOrder(const QString& path, const QByteArrayList& codes, int lines);

// Makes the builder under test, working in the office and handing over to `handOver`.
using BuilderFactory = std::function<std::unique_ptr<quote::QuoteBuilder>(
    const quote::OfficeSource& office, quote::HandOver& handOver)>;
// Prepares a run's input files in the data folder.
using InputWriter = std::function<void(const QString& folder)>;

// Times a builder's run on a fresh sample data folder with the office already started (the
// first run warms the office up, the second is timed) and prints the figures. Returns the
// program's exit code.
int timeQuotationRuns(const char* name, int orderLines, const InputWriter& writeInputs,
                      const BuilderFactory& makeBuilder);

} // namespace zuvo::bench
