#include "common/file_stamp.h"

#include <QCryptographicHash>
#include <QFile>
#include <filesystem>
#include <optional>
#include <system_error>

namespace zuvo {

namespace {

// What a file that is not there has become: Changed when nothing is at the path,
// Unreadable when the path cannot be examined (QFileInfo takes such a path for an absent
// one); none while the file is there.
std::optional<FileCheck> absenceOf(const QString& path)
{
    std::error_code error;
    if (std::filesystem::exists(QFile::encodeName(path).toStdString(), error))
        return std::nullopt;
    if (error)
        return FileCheck{FileCheck::Unreadable, QString::fromStdString(error.message())};
    return FileCheck{FileCheck::Changed, {}};
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
    if (const std::optional<FileCheck> absent = absenceOf(stamp.path))
        return *absent;
    const QFileInfo now(stamp.path);
    if (!now.isFile() || now.size() != stamp.size || now.lastModified() != stamp.modified)
        return {FileCheck::Changed, {}};
    if (!stamp.contentHash)
        return {FileCheck::Unchanged, {}};
    QFile file(stamp.path);
    if (!file.open(QIODevice::ReadOnly)) {
        // Removed since it was looked at: gone, not unreadable.
        if (const std::optional<FileCheck> absent = absenceOf(stamp.path))
            return *absent;
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
