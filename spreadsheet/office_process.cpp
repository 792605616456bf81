#include "spreadsheet/office_process.h"

#include "common/failure.h"

#include <QThread>
#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <csignal>
#include <fcntl.h>
#include <functional>
#include <mutex>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace zuvo::sheet {
namespace {

// The office exits with these codes when it wants to be started again (first start on a
// new profile, restart after configuration changes); its launcher script normally does it.
constexpr int restartExitCodes[] = {79, 81};

// Argument and environment vectors for exec, built before fork so that the child only
// calls async-signal-safe functions. URE_BOOTSTRAP is ours, not the office's.
struct ExecVectors {
    std::vector<QByteArray> storage;
    std::vector<char*> argv;
    std::vector<char*> envp;

    ExecVectors(const QString& program, const QStringList& arguments,
                const QStringList& environment = {})
    {
        storage.push_back(program.toLocal8Bit());
        for (const QString& argument : arguments)
            storage.push_back(argument.toLocal8Bit());
        const std::size_t argumentCount = storage.size();
        QList<QByteArray> replaced{"URE_BOOTSTRAP="};
        for (const QString& variable : environment)
            replaced << variable.section(QLatin1Char('='), 0, 0).toLocal8Bit() + '=';
        for (char** variable = environ; *variable; ++variable) {
            const QByteArray entry(*variable);
            if (std::none_of(replaced.begin(), replaced.end(),
                             [&](const QByteArray& name) { return entry.startsWith(name); }))
                storage.push_back(entry);
        }
        storage.emplace_back("SAL_ENABLE_FILE_LOCKING=1");
        for (const QString& variable : environment)
            storage.push_back(variable.toLocal8Bit());
        for (std::size_t i = 0; i < argumentCount; ++i)
            argv.push_back(storage[i].data());
        argv.push_back(nullptr);
        for (std::size_t i = argumentCount; i < storage.size(); ++i)
            envp.push_back(storage[i].data());
        envp.push_back(nullptr);
    }
};

void redirectStandardStreamsToNull()
{
    const int devNull = open("/dev/null", O_RDWR);
    if (devNull >= 0) {
        dup2(devNull, STDIN_FILENO);
        dup2(devNull, STDOUT_FILENO);
        dup2(devNull, STDERR_FILENO);
    }
}

// Runs `work` on a thread that lasts as long as the process. The kernel kills a child marked
// with PR_SET_PDEATHSIG when the thread that forked it ends, not the process: an office forked
// by a run's own thread would die with that thread.
pid_t onLastingThread(const std::function<pid_t()>& work)
{
    struct Lasting {
        std::mutex mutex;
        std::condition_variable changed;
        const std::function<pid_t()>* job = nullptr;
        pid_t result = -1;
        bool done = false;
    };
    static Lasting* const lasting = [] {
        auto* state = new Lasting;
        std::thread([state] {
            std::unique_lock lock(state->mutex);
            for (;;) {
                state->changed.wait(lock, [&] { return state->job != nullptr; });
                state->result = (*state->job)();
                state->job = nullptr;
                state->done = true;
                state->changed.notify_all();
            }
        }).detach();
        return state;
    }();
    static std::mutex oneAtATime;
    const std::lock_guard serial(oneAtATime);
    std::unique_lock lock(lasting->mutex);
    lasting->done = false;
    lasting->job = &work;
    lasting->changed.notify_all();
    lasting->changed.wait(lock, [&] { return lasting->done; });
    return lasting->result;
}

[[noreturn]] void failToStart()
{
    throw Failure(QStringLiteral("Impossibile avviare LibreOffice: il sistema non ha creato il processo."));
}

} // namespace

struct OfficeProcess::Command : ExecVectors {
    using ExecVectors::ExecVectors;
};

OfficeProcess::OfficeProcess(const QString& program, const QStringList& arguments,
                             const QStringList& environment)
    : command_(std::make_unique<Command>(program, arguments, environment))
{
    spawn();
}

OfficeProcess::~OfficeProcess()
{
    if (pid_ > 0)
        kill();
}

void OfficeProcess::spawn()
{
    const ExecVectors& vectors = *command_;
    const pid_t parent = getpid();
    const pid_t pid = onLastingThread([&] {
        const pid_t child = fork();
        if (child == 0) {
            prctl(PR_SET_PDEATHSIG, SIGKILL);
            if (getppid() != parent)
                _exit(127);
            redirectStandardStreamsToNull();
            execve(vectors.argv[0], vectors.argv.data(), vectors.envp.data());
            _exit(127);
        }
        return child;
    });
    if (pid < 0)
        failToStart();
    pid_ = pid;
}

bool OfficeProcess::hasEnded()
{
    if (pid_ <= 0)
        return true;
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) != pid_)
        return false;
    exitStatus_ = status;
    pid_ = -1;
    return true;
}

bool OfficeProcess::endedAskingRestart() const
{
    if (pid_ > 0 || !WIFEXITED(exitStatus_))
        return false;
    for (int code : restartExitCodes) {
        if (WEXITSTATUS(exitStatus_) == code)
            return true;
    }
    return false;
}

void OfficeProcess::restart()
{
    spawn();
}

bool OfficeProcess::waitForEnd(int milliseconds)
{
    constexpr int step = 50;
    for (int waited = 0; waited <= milliseconds; waited += step) {
        if (hasEnded())
            return true;
        QThread::msleep(step);
    }
    return false;
}

void OfficeProcess::kill()
{
    if (pid_ <= 0)
        return;
    ::kill(pid_, SIGKILL);
    int status = 0;
    while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
    exitStatus_ = status;
    pid_ = -1;
}

void startDetached(const QString& program, const QStringList& arguments)
{
    ExecVectors vectors(program, arguments);
    // Fork twice so that the office is adopted by init: nothing of ours waits for it.
    const pid_t child = fork();
    if (child < 0)
        failToStart();
    if (child == 0) {
        setsid();
        if (fork() == 0) {
            redirectStandardStreamsToNull();
            execve(vectors.argv[0], vectors.argv.data(), vectors.envp.data());
        }
        _exit(0);
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
}

} // namespace zuvo::sheet
