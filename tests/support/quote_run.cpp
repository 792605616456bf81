#include "tests/support/quote_run.h"

#include "common/failure.h"
#include "database/database.h"
#include "tests/support/office_environment.h"

#include <QFile>

namespace zuvo::test {

namespace {

// Answers the Save As as `answer` does, once `meanwhile` has run.
class DelayedHandOver : public quote::HandOver {
public:
    DelayedHandOver(std::function<void()> meanwhile, std::optional<QString> answer)
        : meanwhile_(std::move(meanwhile)), answer_(std::move(answer))
    {
    }
    void handOver(sheet::Workbook& workbook) override
    {
        if (meanwhile_)
            meanwhile_();
        answer_.handOver(workbook);
    }

private:
    std::function<void()> meanwhile_;
    quote::AnsweredHandOver answer_;
};

} // namespace

void QuoteRunTest::TearDown()
{
    closeSaved();
}

void QuoteRunTest::closeSaved()
{
    if (savedWorkbook_) {
        savedWorkbook_->close();
        savedWorkbook_.reset();
    }
}

quote::OfficeSource QuoteRunTest::testOffice()
{
    return []() -> sheet::Office& { return office(); };
}

std::unique_ptr<quote::HandOver> QuoteRunTest::handOver(bool cancelSaveAs) const
{
    return std::make_unique<DelayedHandOver>(
        duringHandOver, cancelSaveAs ? std::nullopt : std::optional<QString>(savedPath()));
}

void QuoteRunTest::generate(quote::QuoteBuilder& builder, const quote::QuoteRequest& request)
{
    db::Database conn = db::Database::open(folder.file(QStringLiteral("dbzuvo.sqlite")));
    builder.build(request, conn);
}

QString QuoteRunTest::failureOf(const std::function<void()>& run)
{
    try {
        run();
    } catch (const Failure& failure) {
        return failure.message();
    }
    ADD_FAILURE() << "the run did not fail";
    return {};
}

void QuoteRunTest::rebuildDatabase(const QStringList& statements)
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

void QuoteRunTest::writeOrderFile(const QString& name, const QStringList& lines,
                                  const QByteArray& lineEnd)
{
    QFile file(folder.file(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QByteArray bytes = "DISTINTA DI PROVA" + lineEnd + "CODICE    MISURA  QTA" + lineEnd;
    for (const QString& line : lines)
        bytes += line.toLatin1() + lineEnd;
    file.write(bytes);
}

sheet::Workbook& QuoteRunTest::savedWorkbook()
{
    if (!savedWorkbook_)
        savedWorkbook_ = office().open(savedPath());
    return *savedWorkbook_;
}

sheet::Sheet QuoteRunTest::saved()
{
    return savedWorkbook().activeSheet();
}

sheet::Sheet QuoteRunTest::saved(const QString& sheetName)
{
    return savedWorkbook().sheet(sheetName);
}

double QuoteRunTest::templateNumber()
{
    sheet::Workbook workbook = office().open(folder.file(QStringLiteral("SchedaScaff.xlsx")));
    const double number = workbook.activeSheet().cell(QStringLiteral("B2")).toNumber();
    workbook.close();
    return number;
}

QString QuoteRunTest::savedPath() const
{
    return folder.file(QStringLiteral("preventivo-salvato.xlsx"));
}

bool QuoteRunTest::dataFileExists(const QString& name) const
{
    return QFile::exists(folder.file(name));
}

} // namespace zuvo::test
