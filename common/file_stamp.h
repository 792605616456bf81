#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QFileInfo>
#include <QString>
#include <optional>

namespace zuvo {

// One version of a file: enough to tell later whether the file at that path is still it.
struct FileStamp {
    QString path;
    qint64 size = 0;
    QDateTime modified;
    // For a file that was read, the hash of the bytes read: a rewrite within the clock's
    // resolution keeps the size and the time, not the content.
    std::optional<QByteArray> contentHash;
};

// What a reader made of a file, with the stamp of the bytes it made it from.
template <typename Content>
struct Stamped {
    Content content;
    FileStamp stamp;
};

// The size and modification time of an existing file.
FileStamp stampOf(const QFileInfo& file);
QByteArray contentHashOf(const QByteArray& bytes);

// What the file at a stamp's path is now.
struct FileCheck {
    enum Outcome { Unchanged, Changed, Unreadable };
    Outcome outcome = Changed;
    // Why it could not be looked at, for Unreadable.
    QString error;
};

// Whether the file at the stamp's path is still the one stamped. One gone or rewritten is
// Changed; one that cannot be examined (an I/O error, permissions) is Unreadable, since
// nobody can tell whether it is still the file stamped.
FileCheck checkAgainst(const FileStamp& stamp);

} // namespace zuvo
