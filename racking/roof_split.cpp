#include "racking/roof_split.h"

#include "racking/family_closing.h"
#include "racking/list_writing.h"
#include "racking/page_layout.h"
#include "racking/row_split.h"

#include <functional>
#include <optional>

namespace zuvo::racking {

namespace {

// One line of the split list: an article, or an empty line (a total goes on some of them).
using Line = std::optional<PricedRow>;

std::optional<qsizetype> lowestWithPrefix(const QList<PricedRow>& rows, const QString& prefix)
{
    for (qsizetype i = rows.size() - 1; i >= 0; --i) {
        if (rows[i].row.code.startsWith(prefix))
            return i;
    }
    return std::nullopt;
}

std::optional<qsizetype> firstWith(const QList<PricedRow>& rows,
                                   const std::function<bool(const QString&)>& test)
{
    for (qsizetype i = 0; i < rows.size(); ++i) {
        if (test(rows[i].row.code))
            return i;
    }
    return std::nullopt;
}

bool isRoofPin(const QString& code)
{
    return code.startsWith(QLatin1String("SP2")) || code.startsWith(QLatin1String("SP3"));
}

// The roof takes the lowest BT row's quantity of pins from the SP row, on a copy of it.
Line splitPins(QList<PricedRow>& rows, double qtaBT)
{
    const auto sp = firstWith(rows, isRoofPin);
    if (!sp)
        return std::nullopt;
    return splitOff(rows[*sp], qtaBT);
}

// The BT row's share of the zinc surcharge moves from the ZINC row to a copy of it.
Line splitZinc(QList<PricedRow>& rows, double share)
{
    const auto zi = firstWith(rows, [](const QString& code) {
        return code.startsWith(QLatin1String("ZI"));
    });
    if (!zi)
        return std::nullopt;
    PricedRow copy = rows[*zi];
    copy.row.price = share;
    rows[*zi].row.price -= share;
    return copy;
}

// The split list and where its two totals stand, as indexes into its lines.
struct SplitList {
    QList<Line> lines;
    qsizetype cantileverTotal = 0;
    qsizetype roofFirst = 0;  // the first line the roof total sums (an empty one)
    qsizetype roofTotal = 0;
};

SplitList splitAtRoof(QList<PricedRow> rows, qsizetype rigaBT, const CantileverState& state)
{
    const double qtaBT = rows[rigaBT].row.quantity;
    const double prezzoBT = rows[rigaBT].row.price;
    const Line pins = splitPins(rows, qtaBT);
    const Line zinc = state.presAAA ? splitZinc(rows, qtaBT * prezzoBT * state.aliquotaZinc)
                                    : Line();
    SplitList split;
    for (qsizetype i = 0; i < rigaBT; ++i)
        split.lines << rows[i];
    split.lines << Line();
    split.cantileverTotal = split.lines.size();
    split.lines << Line() << Line();
    split.roofFirst = split.lines.size();
    split.lines << Line();
    for (qsizetype i = rigaBT; i < rows.size(); ++i)
        split.lines << rows[i];
    split.lines << pins;
    if (state.presAAA)
        split.lines << zinc;
    split.lines << Line();
    split.roofTotal = split.lines.size();
    split.lines << Line();
    return split;
}

void writeSplitList(RackingRun& run, const SplitList& split)
{
    const QList<int> sheetRows = placeLines(run, split.lines.size(), ListEnding::Alone);
    QList<int> articleRows;
    QList<PricedRow> articles;
    for (qsizetype i = 0; i < split.lines.size(); ++i) {
        if (split.lines[i]) {
            articleRows << sheetRows[i];
            articles << *split.lines[i];
        }
    }
    writePricedRows(run.sheet, articleRows, articles);

    const int cantileverTotal = sheetRows[split.cantileverTotal];
    const int roofTotal = sheetRows[split.roofTotal];
    writeTotalRow(run.sheet, cantileverTotal, QStringLiteral("TOTALE CANTILEVER"),
                  amountSum(spansOf(sheetRows.mid(0, split.cantileverTotal - 1))));
    writeTotalRow(run.sheet, roofTotal, QStringLiteral("TOTALE ACCESSORI COPERTURA"),
                  amountSum(spansOf(sheetRows.mid(split.roofFirst,
                                                  split.roofTotal - 1 - split.roofFirst))));
    writeDocumentTotalBox(run,
                          QStringLiteral("=SUM(R%1C,R%2C)").arg(cantileverTotal).arg(roofTotal));
}

} // namespace

void closeCantileverAlone(RackingRun& run, const QList<PricedRow>& rows)
{
    const auto rigaBT = run.cantilever.presBT ? lowestWithPrefix(rows, QStringLiteral("BT"))
                                              : std::nullopt;
    if (!rigaBT) {
        writeAndCloseFamily(run, Family::Cantilever, rows);
        return;
    }
    writeSplitList(run, splitAtRoof(rows, *rigaBT, run.cantilever));
}

} // namespace zuvo::racking
