#pragma once

// Private to spreadsheet/: our connection to one office, with a bound on every call over it.

#include "spreadsheet/our_documents.h"

#include <QString>
#include <atomic>
#include <chrono>
#include <com/sun/star/bridge/XBridge.hpp>
#include <com/sun/star/connection/XConnection.hpp>
#include <com/sun/star/uno/Reference.hxx>
#include <com/sun/star/uno/XComponentContext.hpp>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <set>
#include <thread>

namespace zuvo::sheet {

namespace css = ::com::sun::star;

// The bridge to an office over its pipe. Every call over it is watched: one that gets no
// answer by its deadline means the office no longer answers, and the link gives up on it:
// the bridge is torn down, so that the waiting call and every later one fail at once instead
// of waiting for ever. The link also counts the documents opened through it that are still
// ours, so that those an office keeps when we give up on it can be closed later.
class OfficeLink {
public:
    using Clock = std::chrono::steady_clock;

    // Connects to the office accepting on the pipe, waiting for its answer until the
    // deadline; nothing when it does not accept connections yet. Throws
    // css::uno::Exception when it accepts but does not answer in time.
    static std::shared_ptr<OfficeLink> connect(const QString& pipe, Clock::time_point deadline);

    ~OfficeLink();
    OfficeLink(const OfficeLink&) = delete;
    OfficeLink& operator=(const OfficeLink&) = delete;

    // One call over the link, watched while it lives: its answer must come by the deadline.
    class Call {
    public:
        explicit Call(OfficeLink& link) : Call(link, Clock::now() + link.answerBound()) {}
        Call(OfficeLink& link, Clock::time_point deadline);
        ~Call();
        Call(const Call&) = delete;
        Call& operator=(const Call&) = delete;

    private:
        OfficeLink& link_;
        std::multiset<Clock::time_point>::iterator deadline_;
    };

    // The office's component context; none once the link has given up on the office.
    css::uno::Reference<css::uno::XComponentContext> context() const;

    // False once the link has given up on the office.
    bool answering() const;
    // Gives up on the office: tears the bridge down and lets go of the office's context.
    // Calls under way fail with css::lang::DisposedException.
    void giveUp();

    // How long one call may wait for its answer; a healthy office answers in milliseconds.
    std::chrono::milliseconds answerBound() const { return std::chrono::milliseconds(answerBoundMs_); }
    void setAnswerBound(std::chrono::milliseconds bound) { answerBoundMs_ = bound.count(); }
    // Called once, on the thread that gives up, when the link gives up on the office.
    void setOnGiveUp(std::function<void()> onGiveUp);

    OurDocuments& documents() { return documents_; }

    static constexpr std::chrono::seconds kDefaultAnswerBound{60};

private:
    OfficeLink(css::uno::Reference<css::connection::XConnection> connection,
               css::uno::Reference<css::bridge::XBridge> bridge);
    void watch();

    css::uno::Reference<css::connection::XConnection> connection_;
    css::uno::Reference<css::bridge::XBridge> bridge_;
    css::uno::Reference<css::uno::XComponentContext> context_;
    std::atomic<std::chrono::milliseconds::rep> answerBoundMs_{
        std::chrono::milliseconds(kDefaultAnswerBound).count()};
    std::function<void()> onGiveUp_;

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::multiset<Clock::time_point> deadlines_;
    OurDocuments documents_;
    bool answering_ = true;
    bool closing_ = false;
    std::thread watchdog_;
};

} // namespace zuvo::sheet
