#include "tests/support/restricted_permissions.h"

#include <QFile>
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace zuvo::test {

namespace {

// The capabilities that let a process write into a folder whose permissions forbid it.
constexpr std::uint32_t kOverridingPermissions =
    (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER);

// The calling thread's capabilities; the raw system calls touch this thread alone.
struct ThreadCapabilities {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};

    ThreadCapabilities() { syscall(SYS_capget, &header, data); }
    void setEffective(std::uint32_t effective)
    {
        data[0].effective = effective;
        syscall(SYS_capset, &header, data);
    }
};

} // namespace

RestrictedPermissions::RestrictedPermissions(const QString& path,
                                             QFileDevice::Permissions permissions)
    : path_(path), permissions_(QFile::permissions(path))
{
    QFile::setPermissions(path, permissions);
    ThreadCapabilities capabilities;
    effectiveCapabilities_ = capabilities.data[0].effective;
    capabilities.setEffective(effectiveCapabilities_ & ~kOverridingPermissions);
}

RestrictedPermissions::~RestrictedPermissions()
{
    ThreadCapabilities().setEffective(effectiveCapabilities_);
    QFile::setPermissions(path_, permissions_);
}

} // namespace zuvo::test
