#include "quote_run/template_in_use.h"

#include "common/failure.h"

#include <QDir>
#include <QFileInfo>
#include <optional>

namespace zuvo::quote {

namespace {

QString holderOf(const std::optional<sheet::DocumentLock>& lock)
{
    if (!lock || !lock->readable)
        return QStringLiteral("su questo computer");
    return QStringLiteral("da \"%1\" sul computer \"%2\", dal %3")
        .arg(lock->holder(), lock->computer, lock->since);
}

Failure templateInUse(const QFileInfo& templateFile, const std::optional<sheet::DocumentLock>& lock)
{
    const QString folder = QDir::toNativeSeparators(templateFile.absolutePath());
    if (lock && !lock->readable) {
        return failureBeforeAnythingUsed(
            QStringLiteral("Il modello \"%1\" risulta aperto in LibreOffice: accanto a esso, nella "
                           "cartella dati %2, c'è il file di blocco \"%3\", che non indica chi lo "
                           "tiene. Chiudere il modello dove è aperto e riprovare; se nessun "
                           "LibreOffice lo ha aperto, il file \"%3\" può essere eliminato.")
                .arg(templateFile.fileName(), folder, QFileInfo(lock->file).fileName()));
    }
    QString message = QStringLiteral("Il modello \"%1\" è aperto in LibreOffice %2: chiuderlo lì e "
                                     "riprovare.")
                          .arg(templateFile.fileName(), holderOf(lock));
    if (lock) {
        message += QStringLiteral(" Quando nessun LibreOffice ha più il modello aperto, il file \"%1\" "
                                  "nella cartella dati %2 può essere eliminato.")
                       .arg(QFileInfo(lock->file).fileName(), folder);
    }
    return failureBeforeAnythingUsed(message);
}

} // namespace

void requireTemplateNotInUse(sheet::Office& office, const QString& templatePath)
{
    const std::optional<sheet::DocumentLock> lock = sheet::documentLockOf(templatePath);
    const bool openHere = office.hasOpen(templatePath);
    if (!openHere && (!lock || office.wroteLock(*lock)))
        return;
    throw templateInUse(QFileInfo(templatePath), lock);
}

} // namespace zuvo::quote
