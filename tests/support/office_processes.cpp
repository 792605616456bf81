#include "tests/support/office_processes.h"

#include <QDir>
#include <QFile>
#include <unistd.h>

namespace zuvo::test {

QSet<pid_t> ownOfficeProcesses()
{
    QSet<pid_t> found;
    for (const QString& pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        // "pid (name) state ppid ..."
        const QByteArray line = stat.readAll();
        const QList<QByteArray> afterName = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (line.contains("(soffice.bin)") && afterName.size() > 1 && afterName[1].toInt() == getpid())
            found.insert(pid.toInt());
    }
    return found;
}

} // namespace zuvo::test
