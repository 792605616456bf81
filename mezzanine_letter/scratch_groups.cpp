#include "mezzanine_letter/scratch_groups.h"

#include "mezzanine_rules/grouped_articles.h"
#include "quote_sheet/section_total.h"

#include <optional>

namespace zuvo::letter {

namespace {

using mezzanine::AccessoryGroup;
using mezzanine::GroupedArticles;
using quote::kColAmount;
using quote::kColDescr;
using sheet::CellInput;
using sheet::CellRow;

const QString kBracing = QStringLiteral("CVV00000");

// A group with rows, from its first row down; one empty row, then its total.
struct PlacedGroup {
    const AccessoryGroup* group = nullptr;
    int firstRow = 0;

    int totalRow() const { return firstRow + int(group->rows.size()) + 1; }
};

// Where the rows land once the groups have left the list.
struct ScratchLayout {
    int firstRow = 10;
    int rigaFine = 9;
    std::optional<PlacedGroup> railings;
    std::optional<PlacedGroup> gates;
    std::optional<PlacedGroup> stairs;
    std::optional<int> rigaTotGenerale;

    int rigaTotSoppalco() const { return rigaFine + 2; }
    int lastRow() const { return rigaTotGenerale.value_or(rigaTotSoppalco()); }
};

// Places a group with rows at `row`; returns where the next one starts: two rows under its
// total, or `absentStep` rows lower when the group has no rows.
int placeGroup(std::optional<PlacedGroup>& placed, const AccessoryGroup& group, int row,
               int absentStep)
{
    if (group.isEmpty())
        return row + absentStep;
    placed = PlacedGroup{&group, row};
    return placed->totalRow() + 2;
}

// Three empty rows stand between the list and the groups. An absent railing group takes no
// rows, an absent gate or stair group one empty row; "TOTALE GENERALE" stands where a further
// group would start.
ScratchLayout layOut(const GroupedArticles& grouped, int firstRow)
{
    ScratchLayout layout;
    layout.firstRow = firstRow;
    layout.rigaFine = firstRow + int(grouped.list.size()) - 1;
    int row = layout.rigaFine + 4;
    row = placeGroup(layout.railings, grouped.railings, row, 0);
    row = placeGroup(layout.gates, grouped.gates, row, 1);
    row = placeGroup(layout.stairs, grouped.stairs, row, 1);
    if (layout.railings || layout.gates || layout.stairs)
        layout.rigaTotGenerale = row;
    return layout;
}

CellRow labelCells(const QString& label, const CellInput& amount = CellInput::nothing())
{
    CellRow cells(kColAmount, CellInput::nothing());
    cells[kColDescr - 1] = CellInput::of(label);
    cells[kColAmount - 1] = amount;
    return cells;
}

// Columns A to G from the first list row down to the last total: the priced articles, the
// labels and the live sum of the list. The group totals get their amounts once the sheet has
// computed the rows.
void writeBody(ScratchRun& run, const ScratchLayout& layout, const QList<quote::QuoteRow>& list)
{
    QList<CellRow> rows(layout.lastRow() - layout.firstRow + 1,
                        CellRow(kColAmount, CellInput::nothing()));
    QList<int> measured;
    const auto put = [&](int row, const CellRow& cells) { rows[row - layout.firstRow] = cells; };
    const auto putArticles = [&](int firstRow, const QList<quote::QuoteRow>& articles) {
        for (int i = 0; i < articles.size(); ++i) {
            put(firstRow + i, quote::quoteRowCells(articles[i], run.discount));
            if (articles[i].hasMeasure())
                measured.append(firstRow + i);
        }
    };
    putArticles(layout.firstRow, list);
    for (const auto& placed : {layout.railings, layout.gates, layout.stairs}) {
        if (placed) {
            putArticles(placed->firstRow, placed->group->rows);
            put(placed->totalRow(), labelCells(placed->group->totalLabel));
        }
    }
    put(layout.rigaTotSoppalco(), labelCells(QStringLiteral("TOTALE SOPPALCO"),
                                             CellInput::formula(QStringLiteral("=SUM(R10C:R[-2]C)"))));
    if (layout.rigaTotGenerale)
        put(*layout.rigaTotGenerale, labelCells(QStringLiteral("TOTALE GENERALE")));
    run.sheet.writeBlock(layout.firstRow, 1, rows);
    quote::formatMeasures(run.sheet, measured);
}

// The amounts that the sheet computed, by row from the first list row.
class Amounts {
public:
    Amounts(const sheet::Sheet& sheet, const ScratchLayout& layout)
        : firstRow_(layout.firstRow),
          cells_(sheet.cells(sheet::RangeAddress::rows(layout.firstRow, layout.lastRow(), kColAmount,
                                                       kColAmount)))
    {
    }

    double at(int row) const { return cells_[row - firstRow_].first().toNumber(); }

    // The sum of a group's amounts, in list order.
    double of(const PlacedGroup& placed) const
    {
        double sum = 0;
        for (int row = placed.firstRow; row < placed.totalRow() - 1; ++row)
            sum += at(row);
        return sum;
    }

private:
    int firstRow_;
    QList<QList<sheet::Cell>> cells_;
};

void writeTotal(sheet::Sheet& sheet, int row, double amount)
{
    sheet.write(row, kColAmount, CellInput::of(amount));
    quote::styleSectionTotal(sheet, row);
}

// Closes a group with its amount as a number; returns the amount, 0 for an absent group.
double closeGroup(ScratchRun& run, const std::optional<PlacedGroup>& placed, const Amounts& amounts)
{
    if (!placed)
        return 0;
    const double amount = amounts.of(*placed);
    writeTotal(run.sheet, placed->totalRow(), amount);
    run.values.totGenerale += amount;
    return amount;
}

// Gates are counted by rows, one per row whatever its quantity.
void countGates(LetterValues& values, const AccessoryGroup& gates)
{
    for (const quote::QuoteRow& row : gates.rows) {
        if (row.code == QLatin1String("F0281805"))
            ++values.nScorr150;
        else if (row.code == QLatin1String("F0281810"))
            ++values.nScorr200;
        else if (row.code == QLatin1String("F0281815"))
            ++values.nBasc200;
        else if (row.code == QLatin1String("F0281820"))
            ++values.nBasc150;
    }
}

// Bracing never joins a group; the last bracing row of the list gives the quantity.
void scanBracing(LetterValues& values, const QList<quote::QuoteRow>& list)
{
    for (const quote::QuoteRow& row : list) {
        if (row.code == kBracing) {
            values.presCVV = true;
            values.qtaCVV = row.quantity;
        }
    }
}

} // namespace

void formScratchGroups(ScratchRun& run)
{
    const GroupedArticles grouped = mezzanine::groupAccessories(run.list.rows());
    run.list.rows() = grouped.list;
    const ScratchLayout layout = layOut(grouped, run.list.firstRow());
    writeBody(run, layout, grouped.list);

    LetterValues& values = run.values;
    values.flgParapetti = layout.railings.has_value();
    run.flgCancelli = layout.gates.has_value();
    values.flgScale = layout.stairs.has_value();
    countGates(values, grouped.gates);

    const Amounts amounts(run.sheet, layout);
    values.impParapetto = closeGroup(run, layout.railings, amounts);
    values.impCancelli = closeGroup(run, layout.gates, amounts);
    values.impScala = closeGroup(run, layout.stairs, amounts);
    scanBracing(values, grouped.list);

    quote::styleSectionTotal(run.sheet, layout.rigaTotSoppalco());
    values.impSoppalco = amounts.at(layout.rigaTotSoppalco());
    values.totGenerale += values.impSoppalco;
    if (layout.rigaTotGenerale)
        writeTotal(run.sheet, *layout.rigaTotGenerale, values.totGenerale);
    run.rigaGruppo = layout.lastRow();
}

} // namespace zuvo::letter
