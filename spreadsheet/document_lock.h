#pragma once

#include <QString>
#include <optional>

namespace zuvo::sheet {

// The lock file the office keeps beside every document it has open for editing,
// ".~lock.<name>#": one line "name,system user,computer,date time,profile URL;".
struct DocumentLock {
    QString file;
    // False when the file records no owner (empty or damaged): the office then refuses to
    // open the document at all.
    bool readable = false;
    QString name;
    QString systemUser;
    QString computer;
    QString since;
    QString profileUrl;

    // Who holds the document as the user reads it: the office user's name, else the login.
    QString holder() const { return name.isEmpty() ? systemUser : name; }
};

QString documentLockPath(const QString& documentPath);
// The lock beside the document; nothing when there is none.
std::optional<DocumentLock> documentLockOf(const QString& documentPath);

// What is known of a file the office would not open, as a sentence for the user: whether it
// is readable, and whether an office's lock stands beside it and whose.
QString knownOfRefusedFile(const QString& path);

} // namespace zuvo::sheet
