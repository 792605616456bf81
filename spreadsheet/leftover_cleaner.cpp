#include "spreadsheet/leftover_cleaner.h"

#include "spreadsheet/uno_bridge.h"

#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/container/XEnumeration.hpp>
#include <com/sun/star/container/XEnumerationAccess.hpp>
#include <com/sun/star/frame/Desktop.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/util/XCloseable.hpp>

namespace zuvo::sheet {

namespace {

// What the office was told to open it was opening: the file, and whether as a copy.
struct Opening {
    QString path;
    bool copy = false;
    bool hidden = false;
};

Opening openingOf(const Reference<css::frame::XModel>& document)
{
    Opening opening;
    for (const css::beans::PropertyValue& argument : document->getArgs()) {
        if (argument.Name == "URL")
            opening.path = localPath(argument.Value.get<OUString>());
        else if (argument.Name == "AsTemplate")
            argument.Value >>= opening.copy;
        else if (argument.Name == "Hidden")
            argument.Value >>= opening.hidden;
    }
    return opening;
}

// Closes, through `link`, the office's documents that are ours.
void closeOurDocuments(OfficeLink& link, OurDocuments& ours)
{
    guarded(link, QStringLiteral("chiudere i documenti rimasti aperti"), [&] {
        auto desktop = css::frame::Desktop::create(link.context());
        auto documents = Reference<css::container::XEnumerationAccess>(desktop->getComponents(),
                                                                       UNO_QUERY_THROW)
                             ->createEnumeration();
        while (documents->hasMoreElements()) {
            Reference<css::frame::XModel> document(documents->nextElement(), css::uno::UNO_QUERY);
            try {
                if (!document.is())
                    continue;
                const Opening opening = openingOf(document);
                if (ours.claim(toQString(property<OUString>(document, "RuntimeUID")), opening.path,
                               opening.copy, opening.hidden))
                    Reference<css::util::XCloseable>(document, UNO_QUERY_THROW)->close(true);
            } catch (const css::lang::DisposedException&) {
                // A document closing meanwhile.
            }
        }
    });
    // What the office no longer has open is not left either.
    ours.forgetOpened();
}

} // namespace

void LeftoverCleaner::cleanAfter(std::shared_ptr<OfficeLink> abandoned)
{
    const std::lock_guard lock(mutex_);
    if (stopped_ || thread_.joinable() || !abandoned->documents().anyLeft())
        return;
    thread_ = std::thread([this, abandoned] { clean(abandoned); });
}

void LeftoverCleaner::stop()
{
    {
        const std::lock_guard lock(mutex_);
        stopped_ = true;
    }
    stopping_.notify_all();
    if (thread_.joinable())
        thread_.join();
}

bool LeftoverCleaner::waitBeforeRetry()
{
    std::unique_lock lock(mutex_);
    return !stopping_.wait_for(lock, kRetryEvery, [this] { return stopped_; });
}

void LeftoverCleaner::clean(std::shared_ptr<OfficeLink> abandoned)
{
    OurDocuments& ours = abandoned->documents();
    // An opening under way may end a while after the office answers again.
    int sweepsForOpenings = kSweepsForOpenings;
    while (waitBeforeRetry()) {
        try {
            auto link = OfficeLink::connect(pipe_, OfficeLink::Clock::now() + kAttemptBound);
            if (!link)
                return;  // the office has ended, and what it had open with it
            link->setAnswerBound(kAttemptBound);
            closeOurDocuments(*link, ours);
            if (!ours.anyLoading() || --sweepsForOpenings == 0)
                return;
        } catch (const Failure&) {
            // Still not answering: try again later.
        } catch (const css::uno::Exception&) {
        }
    }
}

} // namespace zuvo::sheet
