#include "quote_run/quotation_run.h"

#include "common/data_folder.h"
#include "quote_run/office_thread.h"
#include "quote_run/preflight.h"
#include "quote_run/quote_number.h"

#include <optional>

namespace zuvo::quote {

namespace {

void writeNumber(sheet::Workbook& quotation, const QStringList& cells, double number)
{
    sheet::Sheet sheet = quotation.activeSheet();
    for (const QString& cell : cells)
        sheet.write(cell, sheet::CellInput::of(number));
}

// Everything of the run that the office does, up to the quotation in the user's hands; notes
// the number once it is raised.
void makeQuotation(QuotationSteps& steps, const OfficeSource& office, HandOver& handOver,
                   std::optional<double>& raised)
{
    sheet::Office& calc = office();
    if (steps.beforeNumber)
        steps.beforeNumber(calc);

    const QString templatePath = dataFile(steps.templateFile);
    raised = raiseRunningNumber(calc, templatePath, steps.numberCells);
    sheet::Workbook quotation = calc.openCopyOf(templatePath);
    try {
        // The copy is opened after the template's lock is released: another run may have
        // raised the number again meanwhile, so the quotation gets its own number here.
        writeNumber(quotation, steps.numberCells, *raised);
        steps.fill(quotation, calc);
        handOver.handOver(quotation);
    } catch (...) {
        // No hidden, unfinished quotation is left in the office.
        quotation.closeAfterFailure();
        throw;
    }
}

// An office that stopped answering, as the user reads it: what became of the number and the
// order, and what to do.
Failure notAnswering(const sheet::OfficeNotAnswering& failure, const std::optional<double>& raised,
                     const QString& templateFile)
{
    const QString whatToDo = QStringLiteral(
        "Attendere che LibreOffice torni a rispondere, oppure chiuderlo dopo aver salvato gli altri "
        "documenti aperti (se non si chiude, terminarlo), poi generare di nuovo il preventivo.");
    if (!raised)
        return failureBeforeAnythingUsed(failure.message() + QLatin1Char(' ') + whatToDo);
    return Failure(QStringLiteral("%1 La generazione del preventivo non è stata completata. Il "
                                  "numero %2 di \"%3\" è stato usato e non verrà riutilizzato; i "
                                  "file dell'ordine sono rimasti nella cartella dati %4. %5")
                       .arg(failure.message(), QString::number(*raised, 'f', 0), templateFile,
                            dataFolder(), whatToDo));
}

} // namespace

void runQuotation(QuotationSteps& steps, const OfficeSource& office, HandOver& handOver)
{
    requireDataFiles(QStringList{steps.templateFile} + steps.inputs);
    steps.readInputs();
    std::optional<double> raised;
    try {
        runOnOfficeThread([&] {
            makeQuotation(steps, office, handOver, raised);
            // From here on the quotation is the user's, whatever becomes of the files.
            steps.consumedFiles.deleteUnchanged();
        });
    } catch (const sheet::OfficeNotAnswering& failure) {
        throw notAnswering(failure, raised, steps.templateFile);
    }
}

} // namespace zuvo::quote
