#include "common/replace_file.h"

#include "common/failure.h"

#include <QDir>
#include <QFile>
#include <cstdio>

namespace zuvo {

void replaceFile(const QString& newFile, const QString& target)
{
    // QFile::rename refuses an existing target; rename(2) replaces it atomically.
    if (std::rename(QFile::encodeName(newFile).constData(), QFile::encodeName(target).constData())
        == 0)
        return;
    QFile::remove(newFile);
    throw Failure(QStringLiteral("Impossibile sostituire il file \"%1\".")
                      .arg(QDir::toNativeSeparators(target)));
}

} // namespace zuvo
