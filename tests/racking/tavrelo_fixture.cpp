#include "tests/racking/tavrelo_fixture.h"

#include "common/failure.h"
#include "database/database.h"
#include "racking/family_files.h"
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

} // namespace

void TavreloRun::SetUp()
{
    for (const QString& name : racking::consumedFiles())
        removeDataFile(name);
}

void TavreloRun::TearDown()
{
    if (savedWorkbook_) {
        savedWorkbook_->close();
        savedWorkbook_.reset();
    }
}

void TavreloRun::setPrices(const QList<TestPrice>& prices)
{
    const QString extra = folder.file(QStringLiteral("test-rows.sql"));
    QFile file(extra);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    for (const TestPrice& price : prices) {
        file.write(QStringLiteral("DELETE FROM ListinoScaff WHERE Codice = %1;\n")
                       .arg(sqlText(price.code))
                       .toUtf8());
        file.write(insertStatement(price).toUtf8() + ";\n");
    }
    file.close();
    const QString database = folder.file(QStringLiteral("dbzuvo.sqlite"));
    QFile::remove(database);
    const QString sql = QStringLiteral(ZUVO_SAMPLE_SQL_DIR);
    db::createDatabase(database, {sql + QStringLiteral("/schema.sql"),
                                  sql + QStringLiteral("/rows.sql"), extra});
}

void TavreloRun::writeFamily(racking::Family family, const QStringList& lines,
                             const QByteArray& lineEnd)
{
    QFile file(folder.file(racking::orderFileOf(family)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QByteArray bytes = "DISTINTA DI PROVA" + lineEnd + "CODICE    MISURA  QTA" + lineEnd;
    for (const QString& line : lines)
        bytes += line.toLatin1() + lineEnd;
    file.write(bytes);
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
    quote::AnsweredHandOver handOver(cancelSaveAs ? std::nullopt
                                                  : std::optional<QString>(savedPath()));
    racking::TavreloBuilder builder([]() -> sheet::Office& { return office(); }, handOver);
    db::Database conn = db::Database::open(folder.file(QStringLiteral("dbzuvo.sqlite")));
    window::QuoteRequest request;
    request.cliNome = QStringLiteral("BIANCHI LOGISTICA S.P.A.");
    request.cliIndirizzo = QStringLiteral("VIA DELLE INDUSTRIE 4");
    request.cliCap = QStringLiteral("37100");
    request.cliLocalita = QStringLiteral("VERONA");
    request.cliProv = QStringLiteral("VR");
    request.sconto = sconto;
    window::GroupFlags flags;
    builder.GeneraPreventivo(request, conn, flags);
}

QString TavreloRun::runExpectingFailure(const QString& sconto)
{
    try {
        run(sconto);
    } catch (const Failure& failure) {
        return failure.message();
    }
    ADD_FAILURE() << "the run did not fail";
    return {};
}

sheet::Sheet TavreloRun::saved()
{
    if (!savedWorkbook_)
        savedWorkbook_ = office().open(savedPath());
    return savedWorkbook_->activeSheet();
}

double TavreloRun::templateNumber()
{
    sheet::Workbook workbook = office().open(folder.file(QStringLiteral("SchedaScaff.xlsx")));
    const double value = workbook.activeSheet().cell(QStringLiteral("B2")).toNumber();
    workbook.close();
    return value;
}

QString TavreloRun::savedPath() const
{
    return folder.file(QStringLiteral("preventivo-salvato.xlsx"));
}

bool TavreloRun::dataFileExists(const QString& name) const
{
    return QFile::exists(folder.file(name));
}

} // namespace zuvo::test
