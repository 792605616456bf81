#include "tests/mezzanine_costs/mordisk_fixture.h"

#include "common/data_folder.h"
#include "common/failure.h"
#include "mezzanine_costs/mordisk_builder.h"
#include "tests/support/office_environment.h"

#include <QFile>

namespace zuvo::test {

void MordiskRun::addPriceRows(const QStringList& statements)
{
    const QString extra = folder.file(QStringLiteral("test-rows.sql"));
    QFile file(extra);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    for (const QString& statement : statements)
        file.write(statement.toUtf8() + ";\n");
    file.close();
    const QString sql = QStringLiteral(ZUVO_SAMPLE_SQL_DIR);
    db::createDatabase(folder.file(QStringLiteral("dbzuvo.sqlite")),
                       {sql + QStringLiteral("/schema.sql"), sql + QStringLiteral("/rows.sql"), extra});
}

void MordiskRun::writeOrders(const QStringList& lines)
{
    QFile file(folder.file(QStringLiteral("codord.txt")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QByteArray bytes = "ORDINE DI PROVA\r\nCODICE    MISURA  QTA\r\n";
    for (const QString& line : lines)
        bytes += line.toLatin1() + "\r\n";
    file.write(bytes);
}

void MordiskRun::setTemplateNumber(std::optional<double> number)
{
    const QString path = folder.file(QStringLiteral("SchedaScaff.xlsx"));
    sheet::Workbook workbook = office().open(path);
    workbook.activeSheet().write(QStringLiteral("B2"), number ? sheet::CellInput::of(*number)
                                                              : sheet::CellInput::nothing());
    workbook.save();
    workbook.close();
}

void MordiskRun::run(const window::QuoteRequest& request, bool cancelSaveAs)
{
    quote::AnsweredHandOver handOver(cancelSaveAs ? std::nullopt
                                                  : std::optional<QString>(savedPath()));
    mezzanine::MordiskBuilder builder([]() -> sheet::Office& { return office(); }, handOver);
    db::Database conn = db::Database::open(folder.file(QStringLiteral("dbzuvo.sqlite")));
    builder.GeneraPreventivo(request, conn, flags);
}

QString MordiskRun::runExpectingFailure(const window::QuoteRequest& request)
{
    try {
        run(request);
    } catch (const Failure& failure) {
        return failure.message();
    }
    ADD_FAILURE() << "the run did not fail";
    return {};
}

sheet::Sheet MordiskRun::saved()
{
    if (!savedWorkbook_)
        savedWorkbook_ = office().open(savedPath());
    return savedWorkbook_->activeSheet();
}

double MordiskRun::templateNumber()
{
    sheet::Workbook workbook = office().open(folder.file(QStringLiteral("SchedaScaff.xlsx")));
    const double number = workbook.activeSheet().cell(QStringLiteral("B2")).toNumber();
    workbook.close();
    return number;
}

QString MordiskRun::savedPath() const
{
    return folder.file(QStringLiteral("preventivo-salvato.xlsx"));
}

bool MordiskRun::dataFileExists(const QString& name) const
{
    return QFile::exists(folder.file(name));
}

window::QuoteRequest MordiskRun::request(const QString& sconto)
{
    window::QuoteRequest request;
    request.cliNome = QStringLiteral("ROSSI SCAFFALATURE S.R.L.");
    request.cliIndirizzo = QStringLiteral("VIA ROMA 12");
    request.cliCap = QStringLiteral("20100");
    request.cliLocalita = QStringLiteral("MILANO");
    request.cliProv = QStringLiteral("MI");
    request.sconto = sconto;
    request.trasporto = QStringLiteral(" ");
    return request;
}

void MordiskRun::TearDown()
{
    if (savedWorkbook_) {
        savedWorkbook_->close();
        savedWorkbook_.reset();
    }
}

} // namespace zuvo::test
