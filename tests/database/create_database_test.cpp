#include "database/database.h"

#include "common/failure.h"
#include "database_file.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

using zuvo::Failure;
using zuvo::db::Database;
using zuvo::test::DatabaseFile;

TEST(CreateDatabase, RunsStatementsOverSeveralLinesWithCommentsAndApostrophes)
{
    const DatabaseFile file(R"(-- customers with apostrophes; not a statement end
INSERT INTO Clienti (Nome, Indirizzo, CAP, "Località", Prov)
  VALUES ('D''Angelo', 'Via dell''Arco; 5', '80100',
          'NAPOLI', 'NA');

INSERT INTO Clienti VALUES ('Sala', 'Corso Italia 9', '16100', 'GENOVA', 'GE'))");
    const Database db = Database::open(file.path());
    const QList<zuvo::db::Customer> customers = db.customers();
    ASSERT_EQ(customers.size(), 2);
    EXPECT_EQ(customers[0].nome, "D'Angelo");
    EXPECT_EQ(customers[0].indirizzo, "Via dell'Arco; 5");
    EXPECT_EQ(customers[1].localita, "GENOVA");
}

TEST(CreateDatabase, ReplacesAnExistingFile)
{
    const DatabaseFile file(R"(INSERT INTO Clienti VALUES ('Vecchio', '', '', '', '');)");
    const QString schema = file.writeFile("clienti.sql", R"(CREATE TABLE Clienti (Nome TEXT, Indirizzo TEXT,
CAP TEXT, "Località" TEXT, Prov TEXT);)");
    zuvo::db::createDatabase(file.path(), {schema});
    EXPECT_TRUE(Database::open(file.path()).customers().isEmpty());
}

TEST(CreateDatabase, FailingStatementNamesTheScriptAndLeavesNoFile)
{
    const DatabaseFile file;
    const QString script = file.writeFile("errato.sql", "CREATE TABLE A (X TEXT);\nINSERT INTO Manca VALUES (1);\n");
    const QString target = file.path() + ".nuovo";
    try {
        zuvo::db::createDatabase(target, {script});
        FAIL() << "no failure for a wrong script";
    } catch (const Failure& failure) {
        EXPECT_TRUE(failure.message().contains(script)) << failure.what();
        EXPECT_TRUE(failure.message().contains("INSERT INTO Manca VALUES (1)")) << failure.what();
    }
    EXPECT_FALSE(QFile::exists(target));
    EXPECT_FALSE(QFile::exists(target + ".part"));
}

TEST(CreateDatabase, MissingScriptIsReported)
{
    const DatabaseFile file;
    EXPECT_THROW(zuvo::db::createDatabase(file.path() + ".nuovo", {file.path() + ".sql"}), Failure);
}

} // namespace
