#include "quote_sheet/order_file.h"

#include "common/number_parse.h"
#include "common/text_lines.h"

namespace zuvo::quote {

namespace {
constexpr int kMeasureStart = 10;   // character 11, counted from 0
constexpr int kMeasureLength = 8;
constexpr int kQuantityStart = 18;  // character 19
constexpr int kHeaderLines = 2;
} // namespace

std::optional<OrderLine> parseOrderLine(const QString& line)
{
    if (line.isEmpty())
        return std::nullopt;
    OrderLine order;
    const qsizetype blank = line.indexOf(QLatin1Char(' '));
    order.codice = blank < 0 ? line : line.left(blank);
    order.campoMisura = line.mid(kMeasureStart, kMeasureLength);
    order.misura = lenientNumber(order.campoMisura) / 1000.0;
    if (line.size() > kQuantityStart)
        order.quantita = lenientNumber(QStringView(line).mid(kQuantityStart));
    return order;
}

OrderFile readOrderFile(const QString& path)
{
    const Stamped<QStringList> file = readTextFile(path);
    const QStringList& lines = file.content;
    QList<OrderLine> orders;
    for (qsizetype i = kHeaderLines; i < lines.size(); ++i) {
        if (auto order = parseOrderLine(lines[i]))
            orders.append(*order);
    }
    return {orders, file.stamp};
}

} // namespace zuvo::quote
