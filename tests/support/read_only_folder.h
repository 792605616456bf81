#pragma once

#include <QFileDevice>
#include <QString>
#include <cstdint>

namespace zuvo::test {

// While it lives, a folder whose files this thread cannot delete: the folder is made
// read-only, and the thread sets aside the capabilities by which root ignores that (other
// threads and the office keep theirs).
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString& path);
    ~ReadOnlyFolder();
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

private:
    QString path_;
    QFileDevice::Permissions permissions_;
    std::uint32_t effectiveCapabilities_ = 0;
};

} // namespace zuvo::test
