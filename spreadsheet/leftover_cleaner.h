#pragma once

// Private to spreadsheet/: closing what a run left in an office that stopped answering.

#include "spreadsheet/office_link.h"

#include <QString>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

namespace zuvo::sheet {

// When we give up on the user's office, the documents we had open in it stay there, hidden:
// an unfinished quotation, the template being numbered, and those it was still opening. Once
// the office answers again they are closed, through a connection of the cleaner's own, tried
// now and then until they are closed or the cleaner is stopped.
class LeftoverCleaner {
public:
    explicit LeftoverCleaner(QString pipe) : pipe_(std::move(pipe)) {}
    ~LeftoverCleaner() { stop(); }
    LeftoverCleaner(const LeftoverCleaner&) = delete;
    LeftoverCleaner& operator=(const LeftoverCleaner&) = delete;

    // Starts closing what the link left open; a no-op once stopped.
    void cleanAfter(std::shared_ptr<OfficeLink> abandoned);
    // Stops trying and waits for the attempt under way, which is bounded.
    void stop();

    static constexpr std::chrono::seconds kRetryEvery{3};
    static constexpr std::chrono::seconds kAttemptBound{5};
    static constexpr int kSweepsForOpenings = 10;

private:
    void clean(std::shared_ptr<OfficeLink> abandoned);
    bool waitBeforeRetry();

    const QString pipe_;
    std::mutex mutex_;
    std::condition_variable stopping_;
    bool stopped_ = false;
    std::thread thread_;
};

} // namespace zuvo::sheet
