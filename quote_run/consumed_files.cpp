#include "quote_run/consumed_files.h"

#include "common/data_folder.h"
#include "quote_run/quote_request.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace zuvo::quote {

namespace {

// `files` as the user reads them: each name with the reason it could not be deleted.
QString leftBehindMessage(const QStringList& files)
{
    const bool one = files.size() == 1;
    return QStringLiteral("Il preventivo è stato consegnato, ma non è stato possibile eliminare "
                          "%1 %2, %3 nella cartella dati %4. %5 prima del prossimo preventivo: "
                          "altrimenti lo stesso ordine verrebbe quotato di nuovo con un nuovo "
                          "numero.")
        .arg(one ? QStringLiteral("il file") : QStringLiteral("i file"),
             files.join(QStringLiteral(", ")),
             one ? QStringLiteral("che è rimasto") : QStringLiteral("che sono rimasti"),
             dataFolder(), one ? QStringLiteral("Eliminarlo") : QStringLiteral("Eliminarli"));
}

} // namespace

void ConsumedFiles::addUnread(const QString& name)
{
    const QFileInfo file(dataFile(name));
    if (file.isFile())
        files_.append(stampOf(file));
}

void ConsumedFiles::deleteUnchanged() const
{
    QStringList leftBehind;
    for (const FileStamp& stamp : files_) {
        const FileCheck check = checkAgainst(stamp);
        const QString name = QFileInfo(stamp.path).fileName();
        if (check.outcome == FileCheck::Unreadable) {
            leftBehind << QStringLiteral("\"%1\" (non si è potuto rileggerlo per verificare "
                                         "che fosse ancora quello letto: %2)")
                              .arg(name, check.error);
            continue;
        }
        if (check.outcome == FileCheck::Changed)
            continue;
        QFile file(stamp.path);
        if (!file.remove() && file.exists())
            leftBehind << QStringLiteral("\"%1\" (%2)").arg(name, file.errorString());
    }
    if (!leftBehind.isEmpty())
        throw FailureAfterHandOver(leftBehindMessage(leftBehind));
}

} // namespace zuvo::quote
