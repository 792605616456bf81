#include "common/file_stamp.h"

#include <QCryptographicHash>
#include <QFile>
#include <filesystem>
#include <system_error>

namespace zuvo {

namespace {

// Changed when nothing is at the path, Unreadable when it cannot be examined, else
// Unchanged: QFileInfo takes a path it cannot examine for an absent one.
FileCheck checkPresence(const QString& path)
{
    std::error_code error;
    if (std::filesystem::exists(QFile::encodeName(path).toStdString(), error))
        return {FileCheck::Unchanged, {}};
    if (error)
        return {FileCheck::Unreadable, QString::fromStdString(error.message())};
    return {FileCheck::Changed, {}};
}

} // namespace

FileStamp stampOf(const QFileInfo& file)
{
    return {file.absoluteFilePath(), file.size(), file.lastModified(), std::nullopt};
}

QByteArray contentHashOf(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

FileCheck checkAgainst(const FileStamp& stamp)
{
    if (const FileCheck gone = checkPresence(stamp.path); gone.outcome != FileCheck::Unchanged)
        return gone;
    const QFileInfo now(stamp.path);
    if (!now.isFile() || now.size() != stamp.size || now.lastModified() != stamp.modified)
        return {FileCheck::Changed, {}};
    if (!stamp.contentHash)
        return {FileCheck::Unchanged, {}};
    QFile file(stamp.path);
    if (!file.open(QIODevice::ReadOnly)) {
        // Removed since it was looked at: gone, not unreadable.
        if (const FileCheck gone = checkPresence(stamp.path); gone.outcome == FileCheck::Changed)
            return gone;
        return {FileCheck::Unreadable, file.errorString()};
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {FileCheck::Unreadable, file.errorString()};
    if (contentHashOf(bytes) != *stamp.contentHash)
        return {FileCheck::Changed, {}};
    return {FileCheck::Unchanged, {}};
}

} // namespace zuvo
