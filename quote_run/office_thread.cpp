#include "quote_run/office_thread.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <exception>
#include <memory>
#include <thread>

namespace zuvo::quote {

namespace {

bool onApplicationThread()
{
    const QCoreApplication* application = QCoreApplication::instance();
    return application && application->thread() == QThread::currentThread();
}

} // namespace

void runOnOfficeThread(const std::function<void()>& work)
{
    const auto events = onApplicationThread() ? std::make_unique<QEventLoop>() : nullptr;
    std::exception_ptr failure;
    std::thread office([&] {
        try {
            work();
        } catch (...) {
            failure = std::current_exception();
        }
        if (events)
            QMetaObject::invokeMethod(events.get(), &QEventLoop::quit, Qt::QueuedConnection);
    });
    // An application that is quitting ends the loop early: the join then waits without it.
    if (events)
        events->exec(QEventLoop::ExcludeUserInputEvents);
    office.join();
    if (failure)
        std::rethrow_exception(failure);
}

} // namespace zuvo::quote
