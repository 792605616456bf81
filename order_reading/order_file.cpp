#include "order_reading/order_file.h"

#include "common/failure.h"
#include "common/number_parse.h"
#include "common/text_lines.h"

#include <QFileInfo>
#include <cmath>

namespace zuvo::quote {

namespace {
constexpr int kMeasureStart = 10;   // character 11, counted from 0
constexpr int kMeasureLength = 8;
constexpr int kQuantityStart = 18;  // character 19
constexpr int kHeaderLines = 2;

// A field of n characters holds at most n digits, so its number lies below 10^n: the eight
// characters of the measure up to 99999999 thousandths, a quantity text of k characters up
// to k nines. An exponent beyond that ("1E300") or a number that reads as infinite is a
// broken field, not an order to quote.
double fieldNumber(QStringView field, const QString& name)
{
    const double value = lenientNumber(field);
    if (std::isfinite(value) && std::abs(value) < std::pow(10.0, double(field.size())))
        return value;
    throw Failure(QStringLiteral("%1 \"%2\" non è un numero di al più %3 cifre")
                      .arg(name, field.toString())
                      .arg(field.size()));
}
} // namespace

std::optional<OrderLine> parseOrderLine(const QString& line)
{
    if (line.isEmpty())
        return std::nullopt;
    OrderLine order;
    const qsizetype blank = line.indexOf(QLatin1Char(' '));
    order.codice = blank < 0 ? line : line.left(blank);
    order.campoMisura = line.mid(kMeasureStart, kMeasureLength);
    order.misura = fieldNumber(order.campoMisura, QStringLiteral("la misura")) / 1000.0;
    if (line.size() > kQuantityStart) {
        order.quantita =
            fieldNumber(QStringView(line).mid(kQuantityStart), QStringLiteral("la quantità"));
    }
    return order;
}

OrderFile readOrderFile(const QString& path)
{
    const Stamped<QStringList> file = readTextFile(path);
    const QStringList& lines = file.content;
    QList<OrderLine> orders;
    for (qsizetype i = kHeaderLines; i < lines.size(); ++i) {
        try {
            if (auto order = parseOrderLine(lines[i]))
                orders.append(*order);
        } catch (const Failure& broken) {
            throw failureBeforeAnythingUsed(
                QStringLiteral("Nel file \"%1\", riga %2, %3: correggere il file.")
                    .arg(QFileInfo(path).fileName())
                    .arg(i + 1)
                    .arg(broken.message()));
        }
    }
    return {orders, file.stamp};
}

} // namespace zuvo::quote
