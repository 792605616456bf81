#include "racking/stair_rules.h"

#include "common/number_parse.h"
#include "order_reading/stair_type.h"

#include <optional>

namespace zuvo::racking {

namespace {

std::optional<int> landingSurchargeOf(const QString& codice)
{
    if (codice == QLatin1String("SCALA800"))
        return 188;
    if (codice == QLatin1String("SCALA1000"))
        return 200;
    if (codice == QLatin1String("SCALA1200"))
        return 208;
    return std::nullopt;
}

} // namespace

void applyStairRule(FamilyList& list)
{
    const CurrentLine& line = list.line();
    const auto landingSurcharge = landingSurchargeOf(line.codice);
    if (!landingSurcharge)
        return;
    const QStringView field(line.campoMisura);
    // A short line's field is shorter: the steps are still its last two characters.
    const QString testoGradini = field.right(2).toString();
    const double gradini = lenientNumber(testoGradini);
    const double tipoScala = lenientNumber(field.mid(5, 1));
    const double altezza = lenientNumber(field.left(5));

    quote::QuoteRow& row = list.currentRow();
    QString descrizione = line.article.descr;
    if (altezza != 0) {
        descrizione = QStringLiteral("SCALA DA CM.") + QString::number(altezza, 'g', 15);
        row.code = QStringLiteral("SCALAFM");
    }
    const quote::StairType* type = quote::stairTypeOf(tipoScala);
    if (!type)
        return;
    row.descr = quote::stairDescription(descrizione, testoGradini, *type);
    row.measure = 0;
    row.price = gradini * line.article.prezzo + type->landingsPriced * *landingSurcharge;
}

} // namespace zuvo::racking
