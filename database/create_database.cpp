#include "database/database.h"

#include "common/failure.h"
#include "common/replace_file.h"
#include "database/sql_access.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>

namespace zuvo::db {

namespace {

using detail::failureFor;

QString readScript(const QString& sqlFile)
{
    QFile file(sqlFile);
    if (!file.open(QIODevice::ReadOnly))
        throw Failure(QStringLiteral("Impossibile leggere il file SQL \"%1\": %2.").arg(sqlFile, file.errorString()));
    return QString::fromUtf8(file.readAll());
}

// Statements end with ";" at the end of a line; "--" lines are comments.
QStringList statementsOf(QString script)
{
    script.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList statements;
    QString current;
    for (const QString& line : script.split(u'\n')) {
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(QStringLiteral("--")) || (trimmed.isEmpty() && current.isEmpty()))
            continue;
        current += line + u'\n';
        if (trimmed.endsWith(u';')) {
            statements.append(current.trimmed().chopped(1));
            current.clear();
        }
    }
    if (!current.trimmed().isEmpty())
        statements.append(current.trimmed());
    return statements;
}

void runScript(QSqlDatabase& db, const QString& sqlFile)
{
    for (const QString& statement : statementsOf(readScript(sqlFile))) {
        QSqlQuery query(db);
        if (!query.exec(statement)) {
            throw Failure(QStringLiteral("Errore nel file SQL \"%1\" all'istruzione:\n%2\n%3")
                              .arg(sqlFile, statement, query.lastError().text()));
        }
    }
}

void buildDatabase(const QString& filePath, const QStringList& sqlFiles)
{
    const QString name = detail::newConnectionName();
    struct Removal {
        QString name;
        ~Removal() { QSqlDatabase::removeDatabase(name); }
    } removal{name};

    QSqlDatabase db = QSqlDatabase::addDatabase(detail::driverName, name);
    db.setDatabaseName(filePath);
    if (!db.open() || !db.transaction())
        throw failureFor(db.lastError(), filePath);
    for (const QString& sqlFile : sqlFiles)
        runScript(db, sqlFile);
    if (!db.commit())
        throw failureFor(db.lastError(), filePath);
    db.close();
}

} // namespace

void createDatabase(const QString& filePath, const QStringList& sqlFiles)
{
    // Built aside and moved over the old file in one step, so a failing script never leaves
    // half a database and the old one stays until the new one is complete.
    const QString partial = filePath + QStringLiteral(".part");
    QFile::remove(partial);
    try {
        buildDatabase(partial, sqlFiles);
    } catch (...) {
        QFile::remove(partial);
        throw;
    }
    replaceFile(partial, filePath);
}

} // namespace zuvo::db
