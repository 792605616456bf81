#include "mezzanine_letter/scratch_closing.h"

#include "common/number_parse.h"
#include "common/rounding.h"
#include "mezzanine_rules/documentation_fee.h"
#include "quote_sheet/conditions_block.h"

namespace zuvo::letter {

namespace {

using sheet::CellInput;
using sheet::RangeAddress;

// A fee row from 44 to 56 would end the first page: the terms move to the second page.
constexpr int kFirstFeeRowBreaking = 44;
constexpr int kLastFeeRowBreaking = 56;
constexpr int kContinuesRow = 55;
constexpr int kSecondPageRow = 56;
constexpr int kConditionsOnSecondPage = 58;

constexpr double kSafetyRate = 0.005;

const QString kNoTransport = QStringLiteral(" ");

// A charge as its whole number in plain digits ("-0" never shows).
QString wholeNumber(double charge)
{
    return QString::number(charge + 0.0, 'f', 0);
}

void writeFee(ScratchRun& run)
{
    const int feeRow = run.rigaGruppo + 2;
    run.sheet.write(feeRow, quote::kColDescr,
                    CellInput::of(QStringLiteral("DOCUMENTAZIONE PER DEPOSITO")));
    run.sheet.setBold(RangeAddress::rows(feeRow, feeRow + 1, quote::kColDescr, quote::kColDescr), true);
    const double fee = mezzanine::documentationFee(run.areaTot);
    run.sheet.write(feeRow, quote::kColAmount, CellInput::of(fee));
    run.values.costoDeposito = fee;
    run.sheet.setBold(RangeAddress::cell(feeRow, quote::kColAmount), true);
    run.rigaGruppo = feeRow;
}

void applyPageBreakRule(ScratchRun& run)
{
    if (run.rigaGruppo < kFirstFeeRowBreaking || run.rigaGruppo > kLastFeeRowBreaking) {
        run.rigaGruppo += 3;
        return;
    }
    run.sheet.write(kContinuesRow, quote::kColAmount, CellInput::of(QStringLiteral("...segue...")));
    run.sheet.setPageBreakBefore(kSecondPageRow);
    run.rigaGruppo = kConditionsOnSecondPage;
}

QString transportTerm(const QString& trasporto)
{
    if (trasporto == kNoTransport)
        return quote::kTransportAssigned;
    return QStringLiteral("Porto franco con addebito ") + trasporto;
}

// Assembly and safety are charged together, only when an assembly price was typed: assembly
// by the mezzanine area, safety on the grand total of the goods.
void computeCharges(ScratchRun& run)
{
    if (run.request.montaggio.isEmpty())
        return;
    LetterValues& values = run.values;
    values.importoPosa = roundHalfEven(lenientNumber(run.request.montaggio) * run.areaTot.value_or(0));
    values.importoOneri = roundHalfEven(values.totGenerale * kSafetyRate);
}

quote::ConditionTerms conditionTerms(const ScratchRun& run)
{
    const bool charged = !run.request.montaggio.isEmpty();
    const auto charge = [charged](double amount) {
        return charged ? std::optional(wholeNumber(amount)) : std::nullopt;
    };
    return quote::termsOfSale({
        .transport = transportTerm(run.request.trasporto),
        .assembly = quote::assemblyTerm(charge(run.values.importoPosa)),
        .safety = quote::safetyTerm(charge(run.values.importoOneri)),
    });
}

void writeConditions(ScratchRun& run)
{
    computeCharges(run);
    const quote::ConditionTerms terms = conditionTerms(run);
    quote::writeConditionsBlock(run.sheet, run.rigaGruppo, terms, quote::ConditionsHeading::BoldOnly);
    run.rigaGruppo += int(terms.size());
}

void writeClosingTexts(ScratchRun& run)
{
    sheet::Sheet& sheet = run.sheet;
    const int last = run.rigaGruppo;
    sheet.write(last + 3, 1,
                CellInput::of(QStringLiteral(
                    "Nell'attesa di un Vs. cortese riscontro, vogliate nel frattempo gradire i nostri")));
    sheet.write(last + 5, 2, CellInput::of(QStringLiteral("Distinti saluti")));
    const int signatureRow = last + 6;
    sheet.write(signatureRow, 6, CellInput::of(QStringLiteral("Varnolt s.r.l.")));
    sheet.setBold(RangeAddress::cell(signatureRow, 6), true);
    sheet.setItalic(RangeAddress::cell(signatureRow, 6), true);
    sheet.writeBlock(last + 8, 1,
                     {{CellInput::of(QStringLiteral(
                          "Sono da considerarsi a carico del cliente la fornitura di energia elettrica, "
                          "dei mezzi di sollevamento (muletti, traspallet, ecc.),"))},
                      {CellInput::of(QStringLiteral(
                          "eventuali opere murarie e quant'altro non indicato nel presente preventivo"))}});
}

} // namespace

void closeScratchSheet(ScratchRun& run)
{
    writeFee(run);
    run.values.importoTrasporto = lenientNumber(run.request.trasporto);
    applyPageBreakRule(run);
    writeConditions(run);
    writeClosingTexts(run);
}

} // namespace zuvo::letter
