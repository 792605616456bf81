#pragma once

#include "database/customer.h"
#include "database/price_list.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace zuvo::db {

enum class PriceTable { Listino, ListinoScaff };

// The desktop database "dbzuvo.sqlite": customer register and price lists.
// Every failure throws zuvo::Failure with an Italian message; values are always bound as
// parameters, so any name (D'Angelo) is safe.
class Database {
public:
    // Opens an existing database file; a missing, unreadable, locked or foreign file throws.
    static Database open(const QString& filePath);

    Database(Database&& other) noexcept;
    Database& operator=(Database&& other) noexcept;
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;
    ~Database();

    // Customers in table order; a row whose Nome is null is left out.
    QList<Customer> customers() const;
    // Customers sorted by Nome; a row whose Nome is null is left out.
    QList<Customer> customersByName() const;
    // The first customer in table order with exactly this name.
    std::optional<Customer> customerNamed(const QString& nome) const;
    // Appends a customer with its fields exactly as given.
    void appendCustomer(const Customer& customer);

    // Loads a whole price list for one run.
    PriceList priceList(PriceTable table) const;

    // Closes the connection; later calls throw. The destructor closes too.
    void close();
    bool isOpen() const;

private:
    explicit Database(QString connectionName);
    QString connectionName_;
};

// Creates a database file from SQL scripts (statements separated by ";" at a line end);
// used to build the sample data folder. An existing file is replaced in one step once the
// new one is complete, and kept when a script fails. Throws zuvo::Failure.
void createDatabase(const QString& filePath, const QStringList& sqlFiles);

} // namespace zuvo::db
