#include "quote_sheet/quotation_run.h"

#include "common/data_folder.h"
#include "quote_sheet/preflight.h"
#include "quote_sheet/quote_number.h"
#include "quote_sheet/run_finish.h"

namespace zuvo::quote {

void runQuotation(const QuotationSteps& steps, const OfficeSource& office, HandOver& handOver)
{
    requireDataFiles(QStringList{steps.templateFile} + steps.inputs);
    steps.readInputs();
    sheet::Office& calc = office();
    if (steps.beforeNumber)
        steps.beforeNumber(calc);

    const QString templatePath = dataFile(steps.templateFile);
    raiseRunningNumber(calc, templatePath, steps.numberCell);
    sheet::Workbook quotation = calc.openCopyOf(templatePath);
    try {
        steps.fill(quotation, calc);
        finishRun(quotation, handOver, steps.consumedFiles);
    } catch (...) {
        // No hidden, unfinished quotation is left in the office.
        quotation.closeAfterFailure();
        throw;
    }
}

} // namespace zuvo::quote
