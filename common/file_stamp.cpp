#include "common/file_stamp.h"

#include <QCryptographicHash>
#include <QFile>

namespace zuvo {

FileStamp stampOf(const QFileInfo& file)
{
    return {file.absoluteFilePath(), file.size(), file.lastModified(), std::nullopt};
}

QByteArray contentHashOf(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

bool isStill(const FileStamp& stamp)
{
    const QFileInfo now(stamp.path);
    if (!now.isFile() || now.size() != stamp.size || now.lastModified() != stamp.modified)
        return false;
    if (!stamp.contentHash)
        return true;
    QFile file(stamp.path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    return file.error() == QFileDevice::NoError && contentHashOf(bytes) == *stamp.contentHash;
}

} // namespace zuvo
