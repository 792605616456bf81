#pragma once

#include <QSet>
#include <sys/types.h>

namespace zuvo::test {

// The office processes this test process started: children of ours running soffice.bin.
QSet<pid_t> ownOfficeProcesses();

} // namespace zuvo::test
