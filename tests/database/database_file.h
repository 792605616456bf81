#pragma once

#include <QString>
#include <QTemporaryDir>

namespace zuvo::test {

// A database file with the three tables, in a temporary folder removed at the end of the test.
// The rows are SQL statements run after the schema.
class DatabaseFile {
public:
    explicit DatabaseFile(const QString& rowsSql = QString());

    QString path() const { return path_; }
    // A file of the temporary folder holding this text, for scripts and foreign files.
    QString writeFile(const QString& name, const QByteArray& content) const;

private:
    QTemporaryDir dir_;
    QString path_;
};

} // namespace zuvo::test
