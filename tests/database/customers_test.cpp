#include "database/database.h"

#include "database_file.h"

#include <gtest/gtest.h>

namespace {

using zuvo::db::Customer;
using zuvo::db::Database;
using zuvo::test::DatabaseFile;

QStringList namesOf(const QList<Customer>& customers)
{
    QStringList names;
    for (const Customer& customer : customers)
        names.append(customer.nome);
    return names;
}

TEST(Customers, ListsTableOrderAndNameOrder)
{
    const DatabaseFile file(R"(
INSERT INTO Clienti VALUES ('Rossi', 'Via Po 1', '10100', 'TORINO', 'TO');
INSERT INTO Clienti VALUES ('bianchi', NULL, NULL, NULL, NULL);
INSERT INTO Clienti VALUES ('Verdi', 'Via Roma 2', '20100', 'MILANO', 'MI');
INSERT INTO Clienti VALUES ('Bassi', '', '', '', '');
INSERT INTO Clienti VALUES ('Èrba Arredi', '', '', '', '');
)");
    const Database db = Database::open(file.path());
    EXPECT_EQ(namesOf(db.customers()), (QStringList{"Rossi", "bianchi", "Verdi", "Bassi", "Èrba Arredi"}));
    EXPECT_EQ(namesOf(db.customersByName()),
              (QStringList{"Bassi", "bianchi", "Èrba Arredi", "Rossi", "Verdi"}));
}

TEST(Customers, LeavesOutRowsWithoutNameAndReadsNullFieldsAsEmpty)
{
    const DatabaseFile file(R"(
INSERT INTO Clienti VALUES (NULL, 'Via Senza Nome 1', '00100', 'ROMA', 'RM');
INSERT INTO Clienti VALUES ('Neri', NULL, NULL, NULL, NULL);
)");
    const Database db = Database::open(file.path());
    ASSERT_EQ(db.customers().size(), 1);
    ASSERT_EQ(db.customersByName().size(), 1);
    const Customer neri = db.customers().first();
    EXPECT_EQ(neri.nome, "Neri");
    EXPECT_EQ(neri.indirizzo, "");
    EXPECT_EQ(neri.cap, "");
    EXPECT_EQ(neri.localita, "");
    EXPECT_EQ(neri.prov, "");
}

TEST(Customers, FindsTheFirstOfTwoEqualNamesExactly)
{
    const DatabaseFile file(R"(
INSERT INTO Clienti VALUES ('Ferri', 'Via Prima 1', '40100', 'BOLOGNA', 'BO');
INSERT INTO Clienti VALUES ('Ferri', 'Via Seconda 2', '50100', 'FIRENZE', 'FI');
)");
    const Database db = Database::open(file.path());
    EXPECT_EQ(db.customerNamed("Ferri")->indirizzo, "Via Prima 1");
    EXPECT_FALSE(db.customerNamed("ferri").has_value());
    EXPECT_FALSE(db.customerNamed("Ferri ").has_value());
}

TEST(Customers, SavesAndFindsANameWithAnApostrophe)
{
    const DatabaseFile file(R"(INSERT INTO Clienti VALUES ('D''Amico', 'Via dell''Orso 3', '', '', '');)");
    Database db = Database::open(file.path());
    EXPECT_EQ(db.customerNamed("D'Amico")->indirizzo, "Via dell'Orso 3");

    db.appendCustomer({"D'Angelo", "Piazza dell'Unità 4", "34100", "TRIESTE", "TS"});
    const std::optional<Customer> found = db.customerNamed("D'Angelo");
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->indirizzo, QString::fromUtf8("Piazza dell'Unità 4"));
    EXPECT_EQ(found->localita, "TRIESTE");
}

TEST(Customers, AppendedCustomerIsLastInTableOrderAndStaysAfterReopening)
{
    const DatabaseFile file(R"(INSERT INTO Clienti VALUES ('Zeta', '', '', '', '');)");
    {
        Database db = Database::open(file.path());
        db.appendCustomer({"Alfa", "Via Uno 1", "", "", ""});
    }
    const Database db = Database::open(file.path());
    EXPECT_EQ(namesOf(db.customers()), (QStringList{"Zeta", "Alfa"}));
    EXPECT_EQ(namesOf(db.customersByName()), (QStringList{"Alfa", "Zeta"}));
}

TEST(Customers, EmptyBoxesSaveARecordOfEmptyFieldsThatIsListed)
{
    const DatabaseFile file;
    Database db = Database::open(file.path());
    db.appendCustomer(Customer{});
    db.appendCustomer({"", "", "", "", ""});
    EXPECT_EQ(namesOf(db.customers()), (QStringList{"", ""}));
    EXPECT_TRUE(db.customerNamed("").has_value());
}

} // namespace
