#include "tests/mezzanine_costs/closing_fixture.h"

#include "spreadsheet/sheet.h"

namespace zuvo::test {

void ClosingRun::SetUp()
{
    addPriceRows({
        QStringLiteral("INSERT INTO Listino (Codice, Descrizione, Prezzo, PrList, N1) VALUES "
                       "('ZC100', 'ARTICOLO DI PROVA', 6, 10, 0)"),
        QStringLiteral("INSERT INTO Listino (Codice, Descrizione, Prezzo, PrList, N1) VALUES "
                       "('ZTOT', 'TOTALE FORNITURA EXTRA', 6, 10, 0)"),
    });
}

QString ClosingRun::orderLine(const QString& code, const QString& field, int quantity)
{
    return code.leftJustified(10) + field + QLatin1Char(' ') + QString::number(quantity);
}

QStringList ClosingRun::plainLines(int count)
{
    return QStringList(count, orderLine(QStringLiteral("ZC100"), QStringLiteral("00000000"), 1));
}

QStringList ClosingRun::columnA(int first, int last)
{
    QStringList texts;
    for (const auto& row : saved().cells(sheet::RangeAddress::rows(first, last, 1, 1)))
        texts << row.first().toText();
    return texts;
}

} // namespace zuvo::test
