#include "racking/stair_rules.h"

#include "common/number_parse.h"

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

struct StairType {
    QString landingText;
    int landingsCharged = 0;
};

// The type is one character: a digit, or 0 when it is none. Types 6 and 7 name one landing
// and are charged two.
std::optional<StairType> stairTypeOf(double tipoScala)
{
    static const QString kOne = QStringLiteral(" + PIANEROTTOLO");
    static const StairType kTypes[] = {
        {QString(), 0}, {kOne, 1}, {kOne, 1}, {QStringLiteral(" + 2 PIANEROTTOLI"), 2},
        {kOne, 1},      {kOne, 2}, {kOne, 2},
    };
    if (tipoScala < 1 || tipoScala > 7)
        return std::nullopt;
    return kTypes[int(tipoScala) - 1];
}

} // namespace

void applyStairRule(FamilyList& list)
{
    const CurrentLine& line = list.line();
    const auto landingSurcharge = landingSurchargeOf(line.codice);
    if (!landingSurcharge)
        return;
    const QStringView field(line.campoMisura);
    const QString testoGradini = field.mid(6, 2).toString();
    const double gradini = lenientNumber(testoGradini);
    const double tipoScala = lenientNumber(field.mid(5, 1));
    const double altezza = lenientNumber(field.left(5));

    quote::QuoteRow& row = list.currentRow();
    QString descrizione = line.article.descr;
    if (altezza != 0) {
        descrizione = QStringLiteral("SCALA DA CM.") + QString::number(altezza, 'g', 15);
        row.code = QStringLiteral("SCALAFM");
    }
    const auto type = stairTypeOf(tipoScala);
    if (!type)
        return;
    row.descr = descrizione + QStringLiteral(" A ") + testoGradini + QStringLiteral(" GRADINI")
              + type->landingText;
    row.measure = 0;
    row.numericMeasure = false;
    row.price = gradini * line.article.prezzo + type->landingsCharged * *landingSurcharge;
}

} // namespace zuvo::racking
