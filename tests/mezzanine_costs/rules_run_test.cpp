#include "tests/mezzanine_costs/mordisk_fixture.h"

#include <QHash>
#include <QList>

namespace zuvo::test {
namespace {

using sheet::Cell;

// Rows far enough down to hold the list, its groups and totals.
constexpr int kLastScannedRow = 120;

struct ListedRow {
    int row = 0;
    QString descr;
    double quantity = 0;
    Cell measure;
    double price = 0;
    double amount = 0;
};

// Code rules through a whole Mordisk run on the sample price list. The groups move railings and
// stairs below the list, so rows are found by their code.
class MordiskRules : public MordiskRun {
protected:
    void runOrders(const QStringList& lines)
    {
        writeOrders(lines);
        run(request(QStringLiteral(" ")));
        const auto cells = saved().cells(sheet::RangeAddress::rows(10, kLastScannedRow, 1, 7));
        for (int i = 0; i < cells.size(); ++i) {
            const QList<Cell>& c = cells[i];
            if (!c[0].isEmpty()) {
                listed_[c[0].toText()].append(
                    {10 + i, c[1].text, c[2].number, c[3], c[4].number, c[6].number});
            }
        }
    }

    QList<ListedRow> rowsOf(const QString& code) const { return listed_.value(code); }
    double quantityOf(const QString& code) const
    {
        const QList<ListedRow> rows = rowsOf(code);
        EXPECT_EQ(rows.size(), 1) << code.toStdString();
        return rows.isEmpty() ? -1 : rows.first().quantity;
    }

private:
    QHash<QString, QList<ListedRow>> listed_;
};

TEST_F(MordiskRules, AccessoriesSelectorsAndSettingsOutsideSeismicMode)
{
    runOrders({
        QStringLiteral("F0284010  00003000 4"),
        QStringLiteral("00000000  00000000 1"),
        QStringLiteral("F0284011  00003500 2"),
        QStringLiteral("00000001  00000000 1"),
        QStringLiteral("F0284010  00003000 1"),
        QStringLiteral("F0284054  00125500 3"),
        QStringLiteral("F0284032  00006000 10"),
        QStringLiteral("70000010  00000000 10"),
        QStringLiteral("SCALA1000 00000414 1"),
        QStringLiteral("AREATOT   00140000 1"),
    });

    EXPECT_EQ(rowsOf(QStringLiteral("F0284010")).size(), 2);
    // XX accessories: unchanged before any selector, then completed by the last one.
    EXPECT_EQ(quantityOf(QStringLiteral("F02841XX")), 4);
    EXPECT_EQ(quantityOf(QStringLiteral("F0284112")), 2);
    EXPECT_EQ(quantityOf(QStringLiteral("F0284123")), 1);
    EXPECT_EQ(rowsOf(QStringLiteral("F0284123")).first().price, 34);
    EXPECT_EQ(quantityOf(QStringLiteral("F0284045")), 7);
    // The selectors' accessories are written as rows of their own, never merged.
    EXPECT_EQ(quantityOf(QStringLiteral("F0280300")), 2);
    EXPECT_EQ(quantityOf(QStringLiteral("F0280250")), 2);
    const QList<ListedRow> declarations = rowsOf(QStringLiteral("F0280310"));
    ASSERT_EQ(declarations.size(), 2);
    EXPECT_EQ(declarations[0].quantity, 1);
    EXPECT_EQ(declarations[1].quantity, 1);
    EXPECT_EQ(declarations[1].measure.text, QStringLiteral(" "));
    EXPECT_DOUBLE_EQ(declarations[1].amount, 90);
    EXPECT_TRUE(rowsOf(QStringLiteral("00000000")).isEmpty());
    // Area article: whole pieces of the area, then a later article merges into its bolts.
    const QList<ListedRow> floor = rowsOf(QStringLiteral("F0284054"));
    ASSERT_EQ(floor.size(), 1);
    EXPECT_EQ(floor.first().quantity, 3);
    EXPECT_EQ(floor.first().measure.number, 125.5);
    EXPECT_EQ(quantityOf(QStringLiteral("F0284055")), 753);
    EXPECT_EQ(quantityOf(QStringLiteral("F0284044")), 291);
    // Anchoring outside seismic mode: the first accessory only.
    EXPECT_EQ(quantityOf(QStringLiteral("70000011")), 40);
    EXPECT_TRUE(rowsOf(QStringLiteral("70000012")).isEmpty());
    EXPECT_TRUE(rowsOf(QStringLiteral("70000013")).isEmpty());
    // A setting on the last line leaves no row behind.
    EXPECT_TRUE(rowsOf(QStringLiteral("AREATOT")).isEmpty());

    const QList<ListedRow> stair = rowsOf(QStringLiteral("SCALA1000"));
    ASSERT_EQ(stair.size(), 1);
    EXPECT_EQ(stair.first().descr,
              QStringLiteral("SCALA L.1000 CON GRADINI IN GRIGLIATO A 14 GRADINI + 2 PIANEROTTOLI"));
    EXPECT_EQ(stair.first().measure.text, QStringLiteral(" "));
    EXPECT_DOUBLE_EQ(stair.first().price, 3831.92);
    EXPECT_EQ(saved().formula(stair.first().row, 7),
              QStringLiteral("=$C%1*$E%1").arg(stair.first().row));
    EXPECT_DOUBLE_EQ(stair.first().amount, 3831.92);
}

TEST_F(MordiskRules, SeismicModeStairsGratingsAndRailing)
{
    runOrders({
        QStringLiteral("0SISM     00000000 1"),
        QStringLiteral("70000010  00000000 10"),
        QStringLiteral("70000010  00000000 5"),
        QStringLiteral("SCALA1000 00000414 1"),
        QStringLiteral("SCALA800  00000910 1"),
        QStringLiteral("GR9012B   00010000 1"),
        QStringLiteral("GR9012B   00020000 1"),
        QStringLiteral("F0281714  00003000 2"),
    });

    EXPECT_TRUE(rowsOf(QStringLiteral("0SISM")).isEmpty());
    EXPECT_EQ(rowsOf(QStringLiteral("70000010")).size(), 2);
    EXPECT_TRUE(rowsOf(QStringLiteral("70000011")).isEmpty());
    EXPECT_EQ(quantityOf(QStringLiteral("70000012")), 60);
    EXPECT_EQ(quantityOf(QStringLiteral("70000013")), 2);

    const QList<ListedRow> stair = rowsOf(QStringLiteral("SCALA1000"));
    ASSERT_EQ(stair.size(), 1);
    EXPECT_DOUBLE_EQ(stair.first().price, 4291.7504);
    // No stair type: the generic row stays, but seismic mode still raises its price.
    const QList<ListedRow> untyped = rowsOf(QStringLiteral("SCALA800"));
    ASSERT_EQ(untyped.size(), 1);
    EXPECT_EQ(untyped.first().descr, QStringLiteral("SCALA L.800 CON GRADINI IN GRIGLIATO"));
    EXPECT_EQ(untyped.first().measure.number, 0.91);
    EXPECT_DOUBLE_EQ(untyped.first().price, 95.2);

    // Gratings merge their hooks and append their edging, one row per line.
    EXPECT_EQ(quantityOf(QStringLiteral("F0290122")), 120);
    const QList<ListedRow> edging = rowsOf(QStringLiteral("GR9000B"));
    ASSERT_EQ(edging.size(), 2);
    EXPECT_EQ(edging[0].quantity + edging[1].quantity, 30);

    const QList<ListedRow> railing = rowsOf(QStringLiteral("F0281714"));
    ASSERT_EQ(railing.size(), 1);
    EXPECT_EQ(railing.first().quantity, 10);
    EXPECT_EQ(railing.first().measure.number, 1);
    EXPECT_DOUBLE_EQ(railing.first().amount, 290);
    EXPECT_EQ(quantityOf(QStringLiteral("F0284049")), 10);
}

} // namespace
} // namespace zuvo::test
