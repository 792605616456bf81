#include "spreadsheet/r1c1_translation.h"

#include "spreadsheet/impl.h"

#include <QRegularExpression>

namespace zuvo::sheet {
namespace {

constexpr int maxRow = 1048576;
constexpr int maxColumn = 16384;

bool isNameCharacter(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('.');
}

// One coordinate: "" is the cell's own, "[k]" is relative, "n" is absolute.
struct Coordinate {
    int value = 0;
    bool absolute = false;
};

std::optional<Coordinate> coordinate(const QString& part, int own, int limit)
{
    Coordinate result{own, false};
    if (part.startsWith(QLatin1Char('[')))
        result.value = own + part.mid(1, part.size() - 2).toInt();
    else if (!part.isEmpty())
        result = {part.toInt(), true};
    if (result.value < 1 || result.value > limit)
        return std::nullopt;
    return result;
}

// A string literal from its opening quote, doubled quotes included; its length or nothing
// when it does not end.
std::optional<qsizetype> stringLiteralLength(const QString& text, qsizetype start)
{
    for (qsizetype i = start + 1; i < text.size(); ++i) {
        if (text[i] != QLatin1Char('"'))
            continue;
        if (i + 1 < text.size() && text[i + 1] == QLatin1Char('"')) {
            ++i;
            continue;
        }
        return i - start + 1;
    }
    return std::nullopt;
}

qsizetype numberLength(const QString& text, qsizetype start)
{
    static const QRegularExpression number(QStringLiteral("[0-9.]+(?:[Ee][+-]?[0-9]+)?"));
    return number.match(text, start, QRegularExpression::NormalMatch,
                        QRegularExpression::AnchorAtOffsetMatchOption).capturedLength();
}

qsizetype nameLength(const QString& text, qsizetype start)
{
    qsizetype end = start;
    while (end < text.size() && isNameCharacter(text[end]))
        ++end;
    return end - start;
}

// At a name: appends its A1 form when it is an R1C1 cell reference, else the name itself.
// Gives the position after it, or nothing when the name is a reference left to the parser.
std::optional<qsizetype> appendName(const QString& formula, qsizetype start, int row, int column,
                                    QString& a1)
{
    static const QRegularExpression reference(
        QStringLiteral("[Rr](\\[-?[0-9]+\\]|[0-9]*)[Cc](\\[-?[0-9]+\\]|[0-9]*)"));
    static const QRegularExpression wholeRowOrColumn(QStringLiteral("^[RrCc][0-9]*$"));
    const auto match = reference.match(formula, start, QRegularExpression::NormalMatch,
                                       QRegularExpression::AnchorAtOffsetMatchOption);
    const qsizetype after = start + match.capturedLength();
    const bool endsThere = after >= formula.size()
        || (!isNameCharacter(formula[after]) && formula[after] != QLatin1Char('('));
    if (match.hasMatch() && endsThere) {
        const auto r = coordinate(match.captured(1), row, maxRow);
        const auto k = coordinate(match.captured(2), column, maxColumn);
        if (!r || !k)
            return std::nullopt;
        a1 += (k->absolute ? QStringLiteral("$") : QString()) + columnName(k->value)
            + (r->absolute ? QStringLiteral("$") : QString()) + QString::number(r->value);
        return after;
    }
    const qsizetype length = nameLength(formula, start);
    const QString name = formula.mid(start, length);
    const bool isCall = start + length < formula.size() && formula[start + length] == QLatin1Char('(');
    if (!isCall && wholeRowOrColumn.match(name).hasMatch())
        return std::nullopt;
    a1 += name;
    return start + length;
}

} // namespace

std::optional<QString> translateR1C1(const QString& formula, int row, int column)
{
    QString a1;
    qsizetype i = 0;
    while (i < formula.size()) {
        const QChar c = formula[i];
        if (c == QLatin1Char('"')) {
            const auto length = stringLiteralLength(formula, i);
            if (!length)
                return std::nullopt;
            a1 += formula.mid(i, *length);
            i += *length;
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('!') || c == QLatin1Char('[')
                   || c == QLatin1Char(';')) {
            return std::nullopt;
        } else if (c == QLatin1Char(',')) {
            a1 += QLatin1Char(';');
            ++i;
        } else if (c.isDigit() || c == QLatin1Char('.')) {
            const qsizetype length = std::max<qsizetype>(1, numberLength(formula, i));
            a1 += formula.mid(i, length);
            i += length;
        } else if (isNameCharacter(c)) {
            const auto next = appendName(formula, i, row, column, a1);
            if (!next)
                return std::nullopt;
            i = *next;
        } else {
            a1 += c;
            ++i;
        }
    }
    return a1;
}

} // namespace zuvo::sheet
