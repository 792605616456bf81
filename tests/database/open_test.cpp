#include "database/database.h"

#include "common/failure.h"
#include "database_file.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <gtest/gtest.h>

namespace {

using zuvo::Failure;
using zuvo::db::Database;
using zuvo::test::DatabaseFile;

// The message of the failure that opening the file gives.
QString openFailure(const QString& path)
{
    try {
        Database::open(path);
    } catch (const Failure& failure) {
        return failure.message();
    }
    return QStringLiteral("(nessun errore)");
}

// Another program's connection holding the whole database file locked while it lives.
class ExclusiveLock {
public:
    explicit ExclusiveLock(const QString& path)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
        db.setDatabaseName(path);
        if (!db.open() || !QSqlQuery(db).exec(QStringLiteral("BEGIN EXCLUSIVE")))
            throw std::runtime_error("cannot lock the test database");
    }
    ~ExclusiveLock()
    {
        QSqlDatabase::database(name_, false).close();
        QSqlDatabase::removeDatabase(name_);
    }

private:
    const QString name_ = QStringLiteral("test-lock");
};

TEST(OpenDatabase, MissingFileIsReportedAndNotCreated)
{
    const DatabaseFile file;
    const QString missing = file.path() + ".mancante";
    EXPECT_EQ(openFailure(missing), "Database non trovato: " + missing);
    EXPECT_FALSE(QFile::exists(missing));
}

TEST(OpenDatabase, RefusesAFileThatIsNotADatabase)
{
    const DatabaseFile file;
    const QString text = file.writeFile("dbzuvo.sqlite.txt", QByteArray(4096, 'x'));
    EXPECT_TRUE(openFailure(text).contains(QStringLiteral("non è un database")));
}

TEST(OpenDatabase, RefusesADatabaseWithoutTheCustomerTable)
{
    const DatabaseFile file;
    const QString other = file.path() + ".altro";
    zuvo::db::createDatabase(other, {file.writeFile("altro.sql", "CREATE TABLE Altro (X TEXT);")});
    EXPECT_TRUE(openFailure(other).contains(QStringLiteral("non contiene la tabella Clienti")));
}

TEST(OpenDatabase, LockedDatabaseGivesAFailure)
{
    const DatabaseFile file;
    Database db = Database::open(file.path());
    {
        const ExclusiveLock lock(file.path());
        EXPECT_TRUE(openFailure(file.path()).contains(QStringLiteral("bloccato da un altro programma")));
        EXPECT_THROW(db.appendCustomer({"Rossi", "", "", "", ""}), Failure);
    }
    db.appendCustomer({"Rossi", "", "", "", ""});
    EXPECT_EQ(db.customers().size(), 1);
}

TEST(OpenDatabase, ClosedDatabaseRefusesFurtherCalls)
{
    const DatabaseFile file;
    Database db = Database::open(file.path());
    Database moved = std::move(db);
    EXPECT_FALSE(db.isOpen());
    EXPECT_THROW(db.customers(), Failure);
    EXPECT_TRUE(moved.isOpen());
    moved.close();
    EXPECT_FALSE(moved.isOpen());
    EXPECT_THROW(moved.customersByName(), Failure);
}

} // namespace
