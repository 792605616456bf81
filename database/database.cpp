#include "database/database.h"

#include "common/failure.h"
#include "database/sql_access.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <atomic>
#include <utility>

namespace zuvo::db {

namespace {

const QString driverName = QStringLiteral("QSQLITE");
// Long enough to ride over another program's short write, short enough not to look hung.
const QString connectOptions = QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000");
const QString customerColumns = QStringLiteral(u"Nome, Indirizzo, CAP, \"Località\", Prov");

enum SqliteCode { SqliteError = 1, Busy = 5, Locked = 6, ReadOnly = 8, Corrupt = 11, CantOpen = 14, NotADatabase = 26 };

QString newConnectionName()
{
    static std::atomic<unsigned> counter{0};
    return QStringLiteral("zuvo-db-%1").arg(++counter);
}

// The user's sentence for an SQLite error on the database file at path.
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

QList<Customer> Database::customersByName() const
{
    return readCustomers(detail::run(
        detail::connection(connectionName_),
        QStringLiteral("SELECT %1 FROM Clienti WHERE Nome IS NOT NULL ORDER BY Nome COLLATE NOCASE, rowid")
            .arg(customerColumns)));
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

namespace {

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
    const QString name = newConnectionName();
    struct Removal {
        QString name;
        ~Removal() { QSqlDatabase::removeDatabase(name); }
    } removal{name};

    QSqlDatabase db = QSqlDatabase::addDatabase(driverName, name);
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
    // Built aside and moved into place, so a failing script never leaves half a database.
    const QString partial = filePath + QStringLiteral(".part");
    QFile::remove(partial);
    try {
        buildDatabase(partial, sqlFiles);
    } catch (...) {
        QFile::remove(partial);
        throw;
    }
    if (QFile::exists(filePath) && !QFile::remove(filePath))
        throw Failure(QStringLiteral("Impossibile sostituire il file \"%1\".").arg(filePath));
    if (!QFile::rename(partial, filePath))
        throw Failure(QStringLiteral("Impossibile creare il file \"%1\".").arg(filePath));
}

} // namespace zuvo::db
