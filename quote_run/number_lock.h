#pragma once

#include <QLockFile>
#include <QString>
#include <chrono>

namespace zuvo::quote {

// The lock file beside a template under which its running number is raised; held while it
// lives. Tavrelo and Mordisk share the number, and the office can stall while it opens and
// saves the template, so a lock is never broken for its age alone while its owner may live.
class NumberLock {
public:
    // Takes the lock, waiting up to `wait`. A lock whose recorded owner has died on this
    // host is broken at once; one that records no readable owner is broken once it has
    // gone unwritten for kAbandonedAfter (a power loss can leave it empty). Otherwise
    // throws zuvo::Failure naming the lock file and the owner it records.
    NumberLock(const QString& templatePath, std::chrono::milliseconds wait);

    // A live program writes its owner within microseconds of creating the lock.
    static constexpr std::chrono::seconds kAbandonedAfter{30};

private:
    QLockFile lock_;
};

} // namespace zuvo::quote
