#pragma once

// Helpers shared by the database sources; not for use outside database/.

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

namespace zuvo::db::detail {

// The open connection of that name; throws zuvo::Failure when it has been closed.
QSqlDatabase connection(const QString& connectionName);

// Prepares and runs one statement with its values bound; throws zuvo::Failure on error.
QSqlQuery run(const QSqlDatabase& db, const QString& sql, const QVariantList& values = {});

} // namespace zuvo::db::detail
