#include "mezzanine_letter/letter_amounts.h"

namespace zuvo::letter {

namespace {

using sheet::CellInput;

CellInput amountOr(double amount, const QString& words)
{
    return amount != 0 ? CellInput::of(amount) : CellInput::of(words);
}

// Label in A, amount in C, the row's A to C underlined.
void amountLine(sheet::Sheet& letter, int row, const QString& label, const CellInput& amount)
{
    letter.write(row, 1, CellInput::of(label));
    letter.write(row, 3, amount);
    letter.setBorder(sheet::RangeAddress::rows(row, row, 1, 3), sheet::Edge::Bottom,
                     sheet::Line::Thin);
}

} // namespace

void writeAmountLines(sheet::Sheet& letter, const LetterValues& values)
{
    if (values.impSoppalco != 0)
        amountLine(letter, 112, QStringLiteral("IMPORTO SOPPALCO"),
                   CellInput::of(values.impSoppalco));
    amountLine(letter, 114, QStringLiteral("IMPORTO SCALA"),
               amountOr(values.impScala, QStringLiteral("non presente")));
    amountLine(letter, 116, QStringLiteral("IMPORTO CANCELLI"),
               amountOr(values.impCancelli, QStringLiteral("non presenti")));
    amountLine(letter, 118, QStringLiteral("IMPORTO PARAPETTO"),
               amountOr(values.impParapetto, QStringLiteral("non presente")));
}

void writeTerms(sheet::Sheet& letter, const LetterValues& values)
{
    letter.write(120, 3, CellInput::of(QStringLiteral("LISTINO")));
    // The safety charge goes with the assembly: both are waived when no assembly was priced.
    const bool assembly = values.importoPosa != 0;
    letter.write(124, 3, assembly ? CellInput::of(values.importoPosa)
                                  : CellInput::of(QStringLiteral("ESCLUSO")));
    letter.write(126, 3, assembly ? CellInput::of(values.importoOneri)
                                  : CellInput::of(QStringLiteral("ESCLUSI")));
    letter.write(128, 3, amountOr(values.importoTrasporto, QStringLiteral("Compreso")));
    letter.write(163, 3, CellInput::of(values.costoDeposito));
}

} // namespace zuvo::letter
