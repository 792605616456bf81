#pragma once

#include <QFileDevice>
#include <QString>
#include <cstdint>

namespace zuvo::test {

// While it lives, a file or folder this thread may use only as `permissions` allow (a
// read-only folder, an unreadable file): the path gets them, and the thread sets aside the
// capabilities by which root ignores them (other threads and the office keep theirs).
class RestrictedPermissions {
public:
    RestrictedPermissions(const QString& path, QFileDevice::Permissions permissions);
    ~RestrictedPermissions();
    RestrictedPermissions(const RestrictedPermissions&) = delete;
    RestrictedPermissions& operator=(const RestrictedPermissions&) = delete;

private:
    QString path_;
    QFileDevice::Permissions permissions_;
    std::uint32_t effectiveCapabilities_ = 0;
};

} // namespace zuvo::test
