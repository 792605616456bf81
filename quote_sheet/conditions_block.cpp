#include "quote_sheet/conditions_block.h"

#include "quote_sheet/boxes.h"
#include "quote_sheet/quote_row.h"

namespace zuvo::quote {

using sheet::CellInput;
using sheet::RangeAddress;

QString assemblyTerm(const std::optional<QString>& charge)
{
    return QStringLiteral("Posa in opera (a locali liberi): ")
           + charge.value_or(QStringLiteral("ESCLUSA"));
}

QString safetyTerm(const std::optional<QString>& charge)
{
    return QStringLiteral("Oneri per la sicurezza: ") + charge.value_or(QStringLiteral("ESCLUSI"));
}

ConditionTerms termsOfSale(const TermChoices& choices)
{
    const QString delivery = QStringLiteral("Data consegna prevista: 40 GG. D.R.O")
        + (choices.deliveryFullStop ? QStringLiteral(".") : QString());
    return {{
        {choices.price, QStringLiteral("Spedizione: DESTINATARIO")},
        {QStringLiteral("IVA: ESCLUSA"), choices.transport},
        {QStringLiteral("Validità offerta: 15 GG."), QStringLiteral("Imballo standard: COMPRESO")},
        {delivery, choices.assembly},
        {QStringLiteral("Condizioni di pagamento: DA CONVENIRE"), choices.safety},
    }};
}

void writeConditionsBlock(sheet::Sheet& sheet, int headingRow, const ConditionTerms& terms,
                          ConditionsHeading heading)
{
    QList<sheet::CellRow> rows{
        {CellInput::of(QStringLiteral("Condizioni:")), CellInput::nothing(), CellInput::nothing()}};
    for (const ConditionTerm& term : terms)
        rows.append({CellInput::of(term.left), CellInput::nothing(), CellInput::of(term.right)});
    sheet.writeBlock(headingRow, 1, rows);

    if (heading == ConditionsHeading::GreyBox)
        greyBox(sheet, RangeAddress::rows(headingRow, headingRow, 1, kColAmount));
    sheet.setBold(RangeAddress::cell(headingRow, 1), true);
    const int lastTermRow = headingRow + int(terms.size());
    frameRange(sheet, RangeAddress::rows(headingRow + 1, lastTermRow, 1, kColAmount));
}

} // namespace zuvo::quote
