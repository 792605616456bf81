#include "quote_run/preflight.h"

#include "common/data_folder.h"
#include "common/failure.h"

#include <QFileInfo>

namespace zuvo::quote {

void requireDataFiles(const QStringList& names)
{
    QStringList missing;
    for (const QString& name : names) {
        if (!QFileInfo(dataFile(name)).isFile())
            missing << QStringLiteral("\"%1\"").arg(name);
    }
    if (missing.isEmpty())
        return;
    throw failureBeforeAnythingUsed(QStringLiteral("Manca nella cartella dati %1: %2.")
                                        .arg(dataFolder(), missing.join(QStringLiteral(", "))));
}

} // namespace zuvo::quote
