#include "quote_run/number_lock.h"

#include "common/failure.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cstdlib>
#include <optional>

namespace zuvo::quote {

namespace {

// How long one attempt waits before the lock is looked at again.
constexpr std::chrono::milliseconds kRetry{500};

// The owner a lock file records, as the user reads it; none when it records none readable.
std::optional<QString> recordedOwner(const QLockFile& lock)
{
    qint64 pid = 0;
    QString host;
    QString program;
    if (!lock.getLockInfo(&pid, &host, &program))
        return std::nullopt;
    return QStringLiteral("\"%1\" (processo %2 sul computer \"%3\")")
        .arg(program, QString::number(pid), host);
}

// A lock file that records no owner and has not been written for a while; a time in the
// future (a clock set back) does not make it young.
bool isAbandoned(const QLockFile& lock)
{
    const QFileInfo file(lock.fileName());
    if (!file.isFile() || recordedOwner(lock))
        return false;
    const qint64 ageMs = file.lastModified().msecsTo(QDateTime::currentDateTime());
    return std::chrono::milliseconds(std::abs(ageMs)) > NumberLock::kAbandonedAfter;
}

// Breaks an abandoned lock, under a second lock so that two programs cannot both break it
// and one of them remove the other's fresh lock. False when the lock is abandoned but the
// folder lets us neither take that second lock nor remove the first: it is not writable.
bool breakIfAbandoned(QLockFile& lock)
{
    if (!isAbandoned(lock))
        return true;
    QLockFile breaking(lock.fileName() + QStringLiteral(".rmlock"));
    if (!breaking.tryLock())
        return breaking.error() == QLockFile::LockFailedError;
    return !isAbandoned(lock) || lock.removeStaleLockFile();
}

// Who holds the lock, as its file records it, and when the file may go.
QString holderOf(const QLockFile& lock)
{
    const std::optional<QString> owner = recordedOwner(lock);
    if (!owner) {
        return QStringLiteral("che non indica il programma che lo tiene: se nessun programma di "
                              "preventivi è in esecuzione, il file può essere eliminato");
    }
    return QStringLiteral("tenuto dal programma %1: se quel programma non è più in esecuzione, "
                          "il file può essere eliminato")
        .arg(*owner);
}

Failure lockHeld(const QLockFile& lock, const QFileInfo& templateFile)
{
    return Failure(QStringLiteral("Il numero progressivo di \"%1\" è in uso da un altro programma: "
                                  "riprovare tra qualche istante. Il blocco è il file \"%2\" nella "
                                  "cartella dati %3, %4.")
                       .arg(templateFile.fileName(), QFileInfo(lock.fileName()).fileName(),
                            QDir::toNativeSeparators(templateFile.absolutePath()), holderOf(lock)));
}

Failure lockNotCreated(const QLockFile& lock, const QFileInfo& templateFile)
{
    return Failure(QStringLiteral("Non è possibile creare il file di blocco \"%1\" nella cartella "
                                  "dati %2, che protegge il numero progressivo di \"%3\": "
                                  "verificare che la cartella sia scrivibile.")
                       .arg(QFileInfo(lock.fileName()).fileName(),
                            QDir::toNativeSeparators(templateFile.absolutePath()),
                            templateFile.fileName()));
}

} // namespace

NumberLock::NumberLock(const QString& templatePath, std::chrono::milliseconds wait)
    : lock_(templatePath + QStringLiteral(".lock"))
{
    // Qt's default would break a lock older than 30 s even while its owner lives.
    lock_.setStaleLockTime(0);
    const QDeadlineTimer deadline(wait);
    for (;;) {
        if (!breakIfAbandoned(lock_))
            throw lockNotCreated(lock_, QFileInfo(templatePath));
        if (lock_.tryLock(std::min(kRetry, wait)))
            return;
        if (lock_.error() != QLockFile::LockFailedError)
            throw lockNotCreated(lock_, QFileInfo(templatePath));
        if (deadline.hasExpired())
            throw lockHeld(lock_, QFileInfo(templatePath));
    }
}

} // namespace zuvo::quote
