#include "common/data_folder.h"

#include <QDir>

namespace zuvo {

QString dataFolder()
{
    const QString fromEnvironment = qEnvironmentVariable("ZUVO_DATA");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    return QDir(QDir::homePath()).filePath(QStringLiteral("ZuvoData"));
}

QString dataFile(const QString& name)
{
    return QDir(dataFolder()).filePath(name);
}

} // namespace zuvo
