#include "quote_run/quotation_run.h"

#include "common/data_folder.h"
#include "quote_run/preflight.h"
#include "quote_run/quote_number.h"

namespace zuvo::quote {

namespace {

void writeNumber(sheet::Workbook& quotation, const QStringList& cells, double number)
{
    sheet::Sheet sheet = quotation.activeSheet();
    for (const QString& cell : cells)
        sheet.write(cell, sheet::CellInput::of(number));
}

} // namespace

void runQuotation(QuotationSteps& steps, const OfficeSource& office, HandOver& handOver)
{
    requireDataFiles(QStringList{steps.templateFile} + steps.inputs);
    steps.readInputs();
    sheet::Office& calc = office();
    if (steps.beforeNumber)
        steps.beforeNumber(calc);

    const QString templatePath = dataFile(steps.templateFile);
    const double number = raiseRunningNumber(calc, templatePath, steps.numberCells);
    sheet::Workbook quotation = calc.openCopyOf(templatePath);
    try {
        // The copy is opened after the template's lock is released: another run may have
        // raised the number again meanwhile, so the quotation gets its own number here.
        writeNumber(quotation, steps.numberCells, number);
        steps.fill(quotation, calc);
        handOver.handOver(quotation);
    } catch (...) {
        // No hidden, unfinished quotation is left in the office.
        quotation.closeAfterFailure();
        throw;
    }
    // Outside the guard: from here on the quotation is the user's, whatever becomes of the files.
    steps.consumedFiles.deleteUnchanged();
}

} // namespace zuvo::quote
