#include "racking/drive_in_regrouping.h"

#include "racking/list_writing.h"
#include "racking/page_layout.h"
#include "racking/row_split.h"

#include <array>

namespace zuvo::racking {

namespace {

struct DriveInSections {
    QList<PricedRow> base;
    QList<PricedRow> accessories;
};

bool movesToAccessories(const QString& code)
{
    const QStringView prefix = QStringView(code).left(6);
    return code == QLatin1String("F0802022") || code == QLatin1String("FM024197")
        || prefix == QLatin1String("FM0284") || prefix == QLatin1String("FM0248");
}

// What the moved rows call for of the three shared codes.
struct Shares {
    double fm018014 = 0;
    double f1020045 = 0;
    double f0284039 = 0;

    void add(const quote::QuoteRow& moved)
    {
        const QStringView prefix = QStringView(moved.code).left(6);
        if (moved.code == QLatin1String("F0802022")) {
            fm018014 += 2 * moved.quantity;
        } else if (prefix == QLatin1String("FM0284")) {
            f1020045 += 3 * moved.quantity;
            f0284039 += 2 * moved.quantity;
        } else if (prefix == QLatin1String("FM0248")) {
            f1020045 += 2 * moved.quantity;
            f0284039 += 2 * moved.quantity;
        }
    }
};

// The regrouped list line by line as it stands on the sheet: each section, an empty row and
// its total, with an empty row between the sections.
struct SheetLine {
    enum class Kind { Article, Empty, Total };
    Kind kind = Kind::Empty;
    PricedRow article;
    int section = 0;
};

constexpr int kBase = 0;
constexpr int kAccessories = 1;

void appendSection(QList<SheetLine>& lines, const QList<PricedRow>& rows, int section)
{
    for (const PricedRow& row : rows)
        lines.append({SheetLine::Kind::Article, row, section});
    lines.append(SheetLine{});
    lines.append({SheetLine::Kind::Total, {}, section});
}

QList<SheetLine> sheetLines(const DriveInSections& sections)
{
    QList<SheetLine> lines;
    appendSection(lines, sections.base, kBase);
    lines.append(SheetLine{});
    appendSection(lines, sections.accessories, kAccessories);
    return lines;
}

// Where the sections and their totals stand once written.
struct Placement {
    std::array<QList<RowSpan>, 2> spans;
    std::array<int, 2> totalRow{};
};

// Places the lines page block by page block, like any family list, and writes the articles
// of each section; notes where the sections and their totals stand.
Placement writeArticles(RackingRun& run, const QList<SheetLine>& lines)
{
    const QList<int> sheetRows = placeLines(run, lines.size(), ListEnding::Alone);
    Placement placement;
    std::array<QList<int>, 2> articleRows;
    std::array<QList<PricedRow>, 2> articles;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const SheetLine& line = lines[i];
        if (line.kind == SheetLine::Kind::Total)
            placement.totalRow[line.section] = sheetRows[i];
        if (line.kind != SheetLine::Kind::Article)
            continue;
        articleRows[line.section].append(sheetRows[i]);
        articles[line.section].append(line.article);
    }
    for (int section : {kBase, kAccessories}) {
        writePricedRows(run.sheet, articleRows[section], articles[section]);
        placement.spans[section] = spansOf(articleRows[section]);
    }
    return placement;
}

// An empty section sums the two empty rows above its total.
QString sectionSum(const QList<RowSpan>& spans, int totalRow)
{
    if (spans.isEmpty())
        return QStringLiteral("=SUM(R%1C:R%2C)").arg(totalRow - 2).arg(totalRow - 1);
    return amountSum(spans);
}

// The first scan moves rows to the accessories in their order; the second splits the shared
// codes, appending their shares, and moves "F0284039" whole when moved rows call for it.
DriveInSections regroup(const QList<PricedRow>& rows)
{
    DriveInSections moved;
    Shares shares;
    for (const PricedRow& priced : rows) {
        if (!movesToAccessories(priced.row.code)) {
            moved.base.append(priced);
            continue;
        }
        shares.add(priced.row);
        moved.accessories.append(priced);
    }
    DriveInSections sections{{}, moved.accessories};
    for (PricedRow priced : moved.base) {
        const QString& code = priced.row.code;
        if (code == QLatin1String("FM018014") && shares.fm018014 != 0) {
            sections.accessories.append(splitOff(priced, shares.fm018014));
        } else if (code == QLatin1String("F1020045") && shares.f1020045 != 0) {
            sections.accessories.append(splitOff(priced, shares.f1020045));
        } else if (code == QLatin1String("F0284039") && shares.f0284039 != 0) {
            sections.accessories.append(priced);
            continue;
        }
        sections.base.append(priced);
    }
    return sections;
}

} // namespace

void writeDriveInRegrouping(RackingRun& run, const QList<PricedRow>& rows)
{
    static const QString kLabels[] = {QStringLiteral("TOTALE FORNITURA BASE"),
                                      QStringLiteral("TOTALE ACCESSORI")};
    const Placement placement = writeArticles(run, sheetLines(regroup(rows)));
    double total = 0;
    for (int section : {kBase, kAccessories}) {
        const int totalRow = placement.totalRow[section];
        writeTotalRow(run.sheet, totalRow, kLabels[section],
                      sectionSum(placement.spans[section], totalRow));
        total += run.sheet.cell(totalRow, quote::kColAmount).toNumber();
    }
    // The box holds the sum as it stands now, a number rather than a formula.
    writeDocumentTotalBox(run, total);
}

} // namespace zuvo::racking
