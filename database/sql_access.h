#pragma once

// Helpers shared by the database sources; not for use outside database/.

#include "common/failure.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

namespace zuvo::db::detail {

inline const QString driverName = QStringLiteral("QSQLITE");

// A connection name of its own for each connection.
QString newConnectionName();

// The user's sentence for an SQLite error on the database file at path.
Failure failureFor(const QSqlError& error, const QString& path);

// The open connection of that name; throws zuvo::Failure when it has been closed.
QSqlDatabase connection(const QString& connectionName);

// Prepares and runs one statement with its values bound; throws zuvo::Failure on error.
QSqlQuery run(const QSqlDatabase& db, const QString& sql, const QVariantList& values = {});

} // namespace zuvo::db::detail
