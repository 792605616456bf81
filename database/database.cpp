#include "database/database.h"

#include "common/failure.h"
#include "database/sql_access.h"

#include <QCollator>
#include <QFileInfo>
#include <QLocale>
#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>
#include <atomic>
#include <utility>

namespace zuvo::db {

using detail::driverName;
using detail::failureFor;
using detail::newConnectionName;

namespace {

// Long enough to ride over another program's short write, short enough not to look hung.
const QString connectOptions = QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000");
const QString customerColumns = QStringLiteral(u"Nome, Indirizzo, CAP, \"Località\", Prov");

enum SqliteCode { SqliteError = 1, Busy = 5, Locked = 6, ReadOnly = 8, Corrupt = 11, CantOpen = 14, NotADatabase = 26 };

} // namespace

namespace detail {

QString newConnectionName()
{
    static std::atomic<unsigned> counter{0};
    return QStringLiteral("zuvo-db-%1").arg(++counter);
}

Failure failureFor(const QSqlError& error, const QString& path)
{
    const QString detail = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    switch (error.nativeErrorCode().toInt() & 0xff) {
    case Busy:
    case Locked:
        return Failure(QStringLiteral("Il database \"%1\" è bloccato da un altro programma: "
                                      "riprovare quando l'altro programma lo ha rilasciato.").arg(path));
    case ReadOnly:
        return Failure(QStringLiteral("Il database \"%1\" è di sola lettura: impossibile salvare.").arg(path));
    case Corrupt:
        return Failure(QStringLiteral("Il database \"%1\" è danneggiato.").arg(path));
    case CantOpen:
        return Failure(QStringLiteral("Il database \"%1\" non è leggibile.").arg(path));
    case NotADatabase:
        return Failure(QStringLiteral("Il file \"%1\" non è un database leggibile.").arg(path));
    default:
        return Failure(QStringLiteral("Errore del database \"%1\": %2.").arg(path, detail));
    }
}

} // namespace detail

namespace {

QString textOf(const QVariant& value)
{
    return value.isNull() ? QString() : value.toString();
}

// A null QString would be stored as NULL; the boxes' empty texts are kept as "".
QVariant storedText(const QString& text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

QList<Customer> readCustomers(QSqlQuery query)
{
    QList<Customer> customers;
    while (query.next()) {
        customers.append(Customer{textOf(query.value(0)), textOf(query.value(1)), textOf(query.value(2)),
                                  textOf(query.value(3)), textOf(query.value(4))});
    }
    return customers;
}

} // namespace

namespace detail {

QSqlDatabase connection(const QString& connectionName)
{
    if (connectionName.isEmpty())
        throw Failure(QStringLiteral("Il collegamento al database è già stato chiuso."));
    return QSqlDatabase::database(connectionName, false);
}

QSqlQuery run(const QSqlDatabase& db, const QString& sql, const QVariantList& values)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    bool done = query.prepare(sql);
    if (done) {
        for (const QVariant& value : values)
            query.addBindValue(value);
        done = query.exec();
    }
    if (!done)
        throw failureFor(query.lastError(), db.databaseName());
    return query;
}

} // namespace detail

Database::Database(QString connectionName) : connectionName_(std::move(connectionName)) {}

Database::Database(Database&& other) noexcept
    : connectionName_(std::exchange(other.connectionName_, QString()))
{
}

Database& Database::operator=(Database&& other) noexcept
{
    if (this != &other) {
        close();
        connectionName_ = std::exchange(other.connectionName_, QString());
    }
    return *this;
}

Database::~Database()
{
    close();
}

Database Database::open(const QString& filePath)
{
    // Checked first because SQLite would otherwise create an empty file.
    const QFileInfo info(filePath);
    if (!info.exists())
        throw Failure(QStringLiteral("Database non trovato: %1").arg(filePath));
    if (!info.isFile())
        throw Failure(QStringLiteral("Il database \"%1\" non è leggibile: non è un file.").arg(filePath));

    Database database(newConnectionName());
    QSqlDatabase db = QSqlDatabase::addDatabase(driverName, database.connectionName_);
    db.setDatabaseName(filePath);
    db.setConnectOptions(connectOptions);
    if (!db.open())
        throw failureFor(db.lastError(), filePath);
    // SQLite reads the file lazily: a foreign, locked or incomplete file shows only on a query.
    QSqlQuery probe(db);
    if (!probe.exec(QStringLiteral("SELECT %1 FROM Clienti LIMIT 1").arg(customerColumns))) {
        const QSqlError error = probe.lastError();
        if (error.nativeErrorCode().toInt() == SqliteError) {
            throw Failure(QStringLiteral(u"Il database \"%1\" non contiene la tabella Clienti con i campi "
                                         u"Nome, Indirizzo, CAP, Località, Prov.").arg(filePath));
        }
        throw failureFor(error, filePath);
    }
    return database;
}

QList<Customer> Database::customers() const
{
    return readCustomers(detail::run(
        detail::connection(connectionName_),
        QStringLiteral("SELECT %1 FROM Clienti WHERE Nome IS NOT NULL ORDER BY rowid").arg(customerColumns)));
}

// Sorted here rather than by SQLite, whose NOCASE folds only plain letters: "Èrba" must come
// before "Fiore", as a user reading the list expects.
QList<Customer> Database::customersByName() const
{
    QList<Customer> sorted = customers();
    QCollator collator(QLocale(QLocale::Italian, QLocale::Italy));
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(sorted.begin(), sorted.end(), [&](const Customer& a, const Customer& b) {
        return collator.compare(a.nome, b.nome) < 0;
    });
    return sorted;
}

std::optional<Customer> Database::customerNamed(const QString& nome) const
{
    const QList<Customer> found = readCustomers(detail::run(
        detail::connection(connectionName_),
        QStringLiteral("SELECT %1 FROM Clienti WHERE Nome = ? ORDER BY rowid LIMIT 1").arg(customerColumns),
        {storedText(nome)}));
    if (found.isEmpty())
        return std::nullopt;
    return found.first();
}

void Database::appendCustomer(const Customer& customer)
{
    detail::run(detail::connection(connectionName_),
                QStringLiteral("INSERT INTO Clienti (%1) VALUES (?, ?, ?, ?, ?)").arg(customerColumns),
                {storedText(customer.nome), storedText(customer.indirizzo), storedText(customer.cap),
                 storedText(customer.localita), storedText(customer.prov)});
}

void Database::close()
{
    if (connectionName_.isEmpty())
        return;
    // Every handle on the connection must be gone before it is removed.
    QSqlDatabase::database(connectionName_, false).close();
    QSqlDatabase::removeDatabase(connectionName_);
    connectionName_.clear();
}

bool Database::isOpen() const
{
    return !connectionName_.isEmpty();
}

} // namespace zuvo::db
