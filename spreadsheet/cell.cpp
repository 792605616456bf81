#include "spreadsheet/cell.h"

#include "common/failure.h"
#include "spreadsheet/impl.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>

namespace zuvo::sheet {
namespace {

// Column letters to number: "A" = 1, "AA" = 27.
int columnNumber(const QString& letters)
{
    int number = 0;
    for (QChar letter : letters)
        number = number * 26 + (letter.toUpper().unicode() - 'A' + 1);
    return number;
}

} // namespace

QString Cell::toText() const
{
    switch (kind) {
    case Kind::Empty:
        return {};
    case Kind::Text:
        return text;
    case Kind::Number:
        if (std::trunc(number) == number && std::abs(number) < 1e15)
            return QString::number(number, 'f', 0);
        return QString::number(number, 'g', QLocale::FloatingPointShortest);
    }
    return {};
}

CellInput CellInput::value(const QString& text)
{
    return text.startsWith(QLatin1Char('=')) ? formula(text) : of(text);
}

RangeAddress RangeAddress::parse(const QString& a1)
{
    static const QRegularExpression pattern(QStringLiteral(
        "^\\$?([A-Za-z]{1,3})\\$?([0-9]{1,7})(?::\\$?([A-Za-z]{1,3})\\$?([0-9]{1,7}))?$"));
    const auto match = pattern.match(a1.trimmed());
    if (!match.hasMatch())
        throw Failure(QStringLiteral("Indirizzo di cella non valido: \"%1\".").arg(a1));
    RangeAddress range;
    range.firstColumn = columnNumber(match.captured(1));
    range.firstRow = match.captured(2).toInt();
    range.lastColumn = match.hasCaptured(3) ? columnNumber(match.captured(3)) : range.firstColumn;
    range.lastRow = match.hasCaptured(4) ? match.captured(4).toInt() : range.firstRow;
    if (range.firstRow < 1 || range.lastRow < range.firstRow || range.lastColumn < range.firstColumn)
        throw Failure(QStringLiteral("Indirizzo di cella non valido: \"%1\".").arg(a1));
    return range;
}

QString columnName(int column)
{
    QString name;
    for (; column > 0; column = (column - 1) / 26)
        name.prepend(QChar('A' + (column - 1) % 26));
    return name;
}

QString cellName(int row, int column)
{
    return columnName(column) + QString::number(row);
}

QString rangeName(const RangeAddress& range)
{
    const QString first = cellName(range.firstRow, range.firstColumn);
    if (range.rowCount() == 1 && range.columnCount() == 1)
        return first;
    return first + QLatin1Char(':') + cellName(range.lastRow, range.lastColumn);
}

} // namespace zuvo::sheet
