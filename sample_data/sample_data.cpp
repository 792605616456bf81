#include "sample_data/sample_data.h"

#include "common/failure.h"
#include "database/database.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace zuvo::sample {

namespace {

const QString databaseName = QStringLiteral("dbzuvo.sqlite");

const QStringList orderFiles = {
    QStringLiteral("codord.txt"), QStringLiteral("fppord.txt"), QStringLiteral("fleord.txt"),
    QStringLiteral("fdrord.txt"), QStringLiteral("fsdord.txt"), QStringLiteral("fclord.txt"),
    QStringLiteral("dtec.txt"),   QStringLiteral("dscheda.txt"),
};

const QStringList templateFiles = {
    QStringLiteral("SchedaScaff.xlsx"), QStringLiteral("Condizioni.xlsx"),
    QStringLiteral("MemSopp.xlsx"), QStringLiteral("SchedaSism.xlsx"),
};

// The programs save the templates (raised numbers), so every copy is writable by its owner
// even when the sources are not.
constexpr QFile::Permissions filePermissions =
    QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;

void copyFile(const QString& source, const QString& target)
{
    if (QFile::exists(target) && !QFile::remove(target))
        throw Failure(QStringLiteral("Impossibile sostituire il file %1.")
                          .arg(QDir::toNativeSeparators(target)));
    if (!QFile::copy(source, target))
        throw Failure(QStringLiteral("Impossibile copiare %1 in %2.")
                          .arg(QDir::toNativeSeparators(source), QDir::toNativeSeparators(target)));
    QFile::setPermissions(target, filePermissions);
}

void copyFiles(const QString& sourceDir, const QStringList& names, const QDir& target)
{
    for (const QString& name : names)
        copyFile(QDir(sourceDir).filePath(name), target.filePath(name));
}

void buildDatabase(const QDir& target)
{
    const QString path = target.filePath(databaseName);
    const QDir sqlDir(QStringLiteral(ZUVO_SAMPLE_SQL_DIR));
    db::createDatabase(path, {sqlDir.filePath(QStringLiteral("schema.sql")),
                              sqlDir.filePath(QStringLiteral("rows.sql"))});
    QFile::setPermissions(path, filePermissions);
}

} // namespace

void prepareDataFolder(const QString& target)
{
    const QDir dir(target);
    if (!dir.mkpath(QStringLiteral(".")))
        throw Failure(QStringLiteral("Impossibile creare la cartella dati %1.")
                          .arg(QDir::toNativeSeparators(target)));
    if (QFileInfo::exists(dir.filePath(databaseName)))
        throw Failure(QStringLiteral("La cartella %1 contiene già un database: scegliere una "
                                     "cartella nuova o vuota.")
                          .arg(QDir::toNativeSeparators(target)));
    buildDatabase(dir);
    copyFiles(QStringLiteral(ZUVO_SAMPLE_ORDERS_DIR), orderFiles, dir);
    copyFiles(QStringLiteral(ZUVO_SAMPLE_TEMPLATES_DIR), templateFiles, dir);
}

} // namespace zuvo::sample
