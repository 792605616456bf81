#include "tests/racking/tavrelo_fixture.h"

#include "common/failure.h"
#include "database/database.h"
#include "racking/tavrelo_builder.h"
#include "tests/support/office_environment.h"

#include <QFile>

namespace zuvo::test {

namespace {

QString sqlText(const QString& text)
{
    QString quoted = text;
    return QLatin1Char('\'') + quoted.replace(QLatin1Char('\''), QStringLiteral("''"))
         + QLatin1Char('\'');
}

QString insertStatement(const TestPrice& price)
{
    QStringList codes;
    QStringList counts;
    for (int i = 0; i < 6; ++i) {
        const bool has = i < price.accessories.size();
        codes << (has ? sqlText(price.accessories[i].first) : QStringLiteral("NULL"));
        counts << QString::number(has ? price.accessories[i].second : 0);
    }
    counts[5] = QString::number(price.sortKey);
    return QStringLiteral("INSERT INTO ListinoScaff (Codice, Descrizione, Prezzo, Peso, Cacc1, "
                          "Cacc2, Cacc3, Cacc4, Cacc5, Cacc6, N1, N2, N3, N4, N5, N6) VALUES "
                          "(%1, %2, %3, 0, %4, %5)")
        .arg(sqlText(price.code), sqlText(QStringLiteral("DESCRIZIONE ") + price.code),
             QString::number(price.prezzo), codes.join(QStringLiteral(", ")),
             counts.join(QStringLiteral(", ")));
}

// Notes the sheet the quotation shows when it is handed over, then answers as told.
class WatchedHandOver : public quote::HandOver {
public:
    WatchedHandOver(quote::HandOver& answer, QString& shownSheet)
        : answer_(answer), shownSheet_(shownSheet)
    {
    }
    void handOver(sheet::Workbook& workbook) override
    {
        shownSheet_ = workbook.activeSheet().name();
        answer_.handOver(workbook);
    }

private:
    quote::HandOver& answer_;
    QString& shownSheet_;
};

} // namespace

void expectRows(const sheet::Sheet& sheet, int firstRow, const QList<ExpectedRow>& rows)
{
    const int lastRow = firstRow + int(rows.size()) - 1;
    const auto cells = sheet.cells(sheet::RangeAddress::rows(firstRow, lastRow, 1, 7));
    for (qsizetype i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(QStringLiteral("row %1").arg(firstRow + i).toStdString());
        EXPECT_EQ(cells[i][0].toText(), rows[i].code);
        EXPECT_DOUBLE_EQ(cells[i][2].toNumber(), rows[i].quantity);
        if (rows[i].measure.trimmed().isEmpty())
            EXPECT_EQ(cells[i][3].text, rows[i].measure);
        else
            EXPECT_DOUBLE_EQ(cells[i][3].toNumber(), rows[i].measure.toDouble());
        EXPECT_NEAR(cells[i][6].toNumber(), rows[i].amount, 1e-9);
    }
}

void TavreloRun::SetUp()
{
    for (racking::Family family : racking::kFamilyOrder) {
        removeDataFile(racking::descriptionFileOf(family));
        removeDataFile(racking::orderFileOf(family));
    }
    removeDataFile(QStringLiteral("dscheda.txt"));
}

void TavreloRun::setPrices(const QList<TestPrice>& prices)
{
    QStringList statements;
    for (const TestPrice& price : prices) {
        statements << QStringLiteral("DELETE FROM ListinoScaff WHERE Codice = %1").arg(sqlText(price.code))
                   << insertStatement(price);
    }
    rebuildDatabase(statements);
}

void TavreloRun::writeFamily(racking::Family family, const QStringList& lines,
                             const QByteArray& lineEnd)
{
    writeOrderFile(racking::orderFileOf(family), lines, lineEnd);
}

void TavreloRun::writeDataFile(const QString& name)
{
    QFile file(folder.file(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("DESCRIZIONE\r\n");
}

void TavreloRun::removeDataFile(const QString& name)
{
    QFile::remove(folder.file(name));
}

QString TavreloRun::orderLine(const QString& code, int millimetres, const QString& quantity)
{
    return QStringLiteral("%1%2 %3")
        .arg(code, -10)
        .arg(millimetres, 8, 10, QLatin1Char('0'))
        .arg(quantity);
}

void TavreloRun::run(const QString& sconto, bool cancelSaveAs)
{
    const auto answer = handOver(cancelSaveAs);
    WatchedHandOver watched(*answer, shownSheet);
    racking::TavreloBuilder builder(testOffice(), watched);
    quote::QuoteRequest request;
    request.customer = {QStringLiteral("BIANCHI LOGISTICA S.P.A."),
                        QStringLiteral("VIA DELLE INDUSTRIE 4"), QStringLiteral("37100"),
                        QStringLiteral("VERONA"), QStringLiteral("VR")};
    request.sconto = sconto;
    generate(builder, request);
}

QString TavreloRun::runExpectingFailure(const QString& sconto)
{
    return failureOf([&] { run(sconto); });
}

} // namespace zuvo::test
