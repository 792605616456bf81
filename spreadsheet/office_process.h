#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <sys/types.h>

namespace zuvo::sheet {

// The soffice process of an isolated office: started by us, ended by us, and killed by the
// kernel should our own process die first.
class OfficeProcess {
public:
    // Starts the office binary with the arguments and our environment plus `environment`
    // ("NAME=value" entries); stdout and stderr go to /dev/null.
    OfficeProcess(const QString& program, const QStringList& arguments,
                  const QStringList& environment = {});
    ~OfficeProcess();
    OfficeProcess(const OfficeProcess&) = delete;
    OfficeProcess& operator=(const OfficeProcess&) = delete;

    // True once the process has ended (it is then reaped).
    bool hasEnded();
    // True when it ended asking to be started again, as the office does on a fresh profile.
    bool endedAskingRestart() const;
    // Starts the same command, in the same environment, again after it ended.
    void restart();
    // Waits up to the given time for the process to end by itself.
    bool waitForEnd(int milliseconds);
    // Kills the process and reaps it.
    void kill();

private:
    struct Command;

    void spawn();

    std::unique_ptr<Command> command_;
    pid_t pid_ = -1;
    int exitStatus_ = 0;
};

// Starts a command in its own session, detached: it outlives this program.
void startDetached(const QString& program, const QStringList& arguments);

} // namespace zuvo::sheet
