#include "spreadsheet/document_lock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace zuvo::sheet {

namespace {

constexpr int kFields = 5;

// The fields of the line up to its ";", with "\" escaping the next character.
std::optional<QStringList> fieldsOf(const QString& line)
{
    QStringList fields{QString()};
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c == QLatin1Char('\\') && i + 1 < line.size()) {
            fields.last() += line[++i];
        } else if (c == QLatin1Char(',')) {
            fields.append(QString());
        } else if (c == QLatin1Char(';')) {
            return fields.size() == kFields ? std::optional(fields) : std::nullopt;
        } else {
            fields.last() += c;
        }
    }
    return std::nullopt;
}

} // namespace

QString documentLockPath(const QString& documentPath)
{
    const QFileInfo document(documentPath);
    return document.dir().filePath(QStringLiteral(".~lock.%1#").arg(document.fileName()));
}

std::optional<DocumentLock> documentLockOf(const QString& documentPath)
{
    QFile file(documentLockPath(documentPath));
    if (!file.exists())
        return std::nullopt;
    DocumentLock lock;
    lock.file = file.fileName();
    if (!file.open(QIODevice::ReadOnly))
        return lock;
    const std::optional<QStringList> fields = fieldsOf(QString::fromUtf8(file.readAll()));
    if (!fields)
        return lock;
    lock.readable = true;
    lock.name = (*fields)[0];
    lock.systemUser = (*fields)[1];
    lock.computer = (*fields)[2];
    lock.since = (*fields)[3];
    lock.profileUrl = (*fields)[4];
    return lock;
}

QString knownOfRefusedFile(const QString& path)
{
    if (!QFileInfo(path).isReadable())
        return QStringLiteral("Il file non è leggibile: verificarne i permessi.");
    const std::optional<DocumentLock> lock = documentLockOf(path);
    const QString lockName = lock ? QFileInfo(lock->file).fileName() : QString();
    if (lock && !lock->readable) {
        return QStringLiteral("Accanto al file c'è il file di blocco \"%1\" di LibreOffice, che non "
                              "indica chi lo tiene: se nessun LibreOffice ha il file aperto, il file "
                              "di blocco può essere eliminato.")
            .arg(lockName);
    }
    if (lock) {
        return QStringLiteral("Il file è bloccato da \"%1\" sul computer \"%2\" dal %3 (file di "
                              "blocco \"%4\").")
            .arg(lock->holder(), lock->computer, lock->since, lockName);
    }
    return QStringLiteral("Il file esiste, è leggibile e non è bloccato da LibreOffice: potrebbe "
                          "essere danneggiato o non essere un foglio di calcolo.");
}

} // namespace zuvo::sheet
