#include "database_file.h"

#include "database/database.h"

#include <QFile>

namespace zuvo::test {

namespace {

const char schema[] = R"(-- the three tables of dbzuvo.sqlite
CREATE TABLE Clienti (Nome TEXT, Indirizzo TEXT, CAP TEXT, "Località" TEXT, Prov TEXT);
CREATE TABLE Listino (Codice TEXT, Descrizione TEXT, Prezzo REAL, PrList REAL,
  Cacc1 TEXT, Cacc2 TEXT, Cacc3 TEXT, Cacc4 TEXT, Cacc5 TEXT, Cacc6 TEXT,
  N1 INTEGER, N2 INTEGER, N3 INTEGER, N4 INTEGER, N5 INTEGER, N6 INTEGER);
CREATE TABLE ListinoScaff (Codice TEXT, Descrizione TEXT, Prezzo REAL, Peso REAL,
  Cacc1 TEXT, Cacc2 TEXT, Cacc3 TEXT, Cacc4 TEXT, Cacc5 TEXT, Cacc6 TEXT,
  N1 INTEGER, N2 INTEGER, N3 INTEGER, N4 INTEGER, N5 INTEGER, N6 INTEGER);
)";

} // namespace

DatabaseFile::DatabaseFile(const QString& rowsSql) : path_(dir_.filePath(QStringLiteral("dbzuvo.sqlite")))
{
    db::createDatabase(path_, {writeFile(QStringLiteral("schema.sql"), schema),
                               writeFile(QStringLiteral("rows.sql"), rowsSql.toUtf8())});
}

QString DatabaseFile::writeFile(const QString& name, const QByteArray& content) const
{
    const QString path = dir_.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        throw std::runtime_error("cannot write test file " + path.toStdString());
    return path;
}

} // namespace zuvo::test
