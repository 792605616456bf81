// The hand-over of a finished workbook to the user, in the office's own window.
//
// Whatever shows a window in the office must run on the office's main thread: a window call
// arriving on the office's bridge thread may, when it activates the frame, wait for the
// clipboard in a main loop of that thread that never ends. So the workbook is shown, and its
// Save As dialog opened, from a callback that the office itself calls on its main thread; the
// calls made from inside that callback run there too. The dialog's own main loop then calls a
// second callback: from that moment the dialog is up and the workbook is the user's.
#include "spreadsheet/workbook.h"

#include "spreadsheet/impl.h"

#include <com/sun/star/awt/AsyncCallback.hpp>
#include <com/sun/star/awt/PosSize.hpp>
#include <com/sun/star/awt/XCallback.hpp>
#include <com/sun/star/awt/XTopWindow2.hpp>
#include <com/sun/star/awt/XWindow.hpp>
#include <com/sun/star/frame/DispatchHelper.hpp>
#include <com/sun/star/frame/XController.hpp>
#include <com/sun/star/frame/XDispatchProvider.hpp>
#include <com/sun/star/frame/XFrame.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/frame/XStorable.hpp>
#include <com/sun/star/util/XModifiable.hpp>
#include <condition_variable>
#include <cppuhelper/implbase1.hxx>
#include <exception>
#include <mutex>

namespace zuvo::sheet {
namespace {

const QString kShowing = QStringLiteral("mostrare il preventivo con la finestra Salva con nome");

// What the two callbacks tell the thread that waits for the hand-over.
class HandOverState {
public:
    void dialogIsUp()
    {
        update([&] { dialogUp_ = true; });
    }
    void finish(std::optional<QString> savedPath)
    {
        update([&] { savedPath_ = std::move(savedPath), done_ = true; });
    }
    void fail(std::exception_ptr error)
    {
        update([&] { error_ = error, done_ = true; });
    }
    // Waits until the dialog is up or the hand-over has ended; false when neither came in time.
    bool waitForDialog(std::chrono::steady_clock::time_point deadline)
    {
        std::unique_lock lock(mutex_);
        return changed_.wait_until(lock, deadline, [&] { return dialogUp_ || done_; });
    }
    // Waits, without bound, for the user to close the dialog.
    std::optional<QString> result()
    {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return done_; });
        if (error_)
            std::rethrow_exception(error_);
        return savedPath_;
    }

private:
    template <typename Change>
    void update(Change&& change)
    {
        {
            const std::lock_guard lock(mutex_);
            change();
        }
        changed_.notify_all();
    }

    std::mutex mutex_;
    std::condition_variable changed_;
    bool dialogUp_ = false;
    bool done_ = false;
    std::optional<QString> savedPath_;
    std::exception_ptr error_;
};

// A frame loaded hidden keeps a tiny size: give it one before and after showing it, and let
// the window manager maximise it.
void showFrameWindow(const Reference<css::frame::XFrame>& frame)
{
    auto window = frame->getContainerWindow();
    window->setPosSize(40, 40, 1200, 800, css::awt::PosSize::POSSIZE);
    window->setVisible(true);
    window->setPosSize(40, 40, 1200, 800, css::awt::PosSize::POSSIZE);
    Reference<css::awt::XTopWindow2> top(window, css::uno::UNO_QUERY);
    if (top.is())
        top->setIsMaximized(true);
    window->setFocus();
}

// Where the workbook was before the dialog: a save is told apart from a cancel by it.
struct Location {
    bool had = false;
    OUString url;
};

Location locationOf(const Reference<css::lang::XComponent>& document)
{
    Reference<css::frame::XStorable> storable(document, UNO_QUERY_THROW);
    const bool had = storable->hasLocation();
    return {had, had ? storable->getLocation() : OUString()};
}

std::optional<QString> savedPathAfter(const Reference<css::lang::XComponent>& document,
                                      const Location& before)
{
    const Location after = locationOf(document);
    if (!after.had)
        return std::nullopt;
    const bool saved = !before.had || after.url != before.url
        || !Reference<css::util::XModifiable>(document, UNO_QUERY_THROW)->isModified();
    if (!saved)
        return std::nullopt;
    return localPath(after.url);
}

// Runs on the office's main thread, from inside the Save As dialog's main loop.
class DialogIsUp : public cppu::WeakImplHelper1<css::awt::XCallback> {
public:
    DialogIsUp(std::shared_ptr<Workbook::Impl> book, std::shared_ptr<HandOverState> state)
        : book_(std::move(book)), state_(std::move(state))
    {
    }
    void SAL_CALL notify(const Any&) override
    {
        book_->link->documents().gone(book_->id);
        state_->dialogIsUp();
    }

private:
    std::shared_ptr<Workbook::Impl> book_;
    std::shared_ptr<HandOverState> state_;
};

// Runs on the office's main thread: shows the workbook and its Save As dialog, and waits there
// for the user to close the dialog.
class ShowWithSaveAs : public cppu::WeakImplHelper1<css::awt::XCallback> {
public:
    ShowWithSaveAs(std::shared_ptr<Workbook::Impl> book, std::shared_ptr<HandOverState> state)
        : book_(std::move(book)), state_(std::move(state))
    {
    }
    void SAL_CALL notify(const Any&) override
    {
        try {
            state_->finish(showAndAsk());
        } catch (...) {
            state_->fail(std::current_exception());
        }
    }

private:
    std::optional<QString> showAndAsk()
    {
        OfficeLink& link = *book_->link;
        Reference<css::frame::XFrame> frame;
        Location before;
        guarded(link, kShowing, [&] {
            before = locationOf(book_->document);
            frame = Reference<css::frame::XModel>(book_->document, UNO_QUERY_THROW)
                        ->getCurrentController()
                        ->getFrame();
            showFrameWindow(frame);
            css::awt::AsyncCallback::create(book_->context)
                ->addCallback(new DialogIsUp(book_, state_), Any());
        });
        runSaveAsDialog(link, frame);
        return guarded(link, QStringLiteral("leggere dove è stato salvato il preventivo"),
                       [&] { return savedPathAfter(book_->document, before); });
    }

    // The dialog stays open as long as the user likes: this one call is not watched. The
    // thread waiting for the hand-over bounds the wait until the dialog is up.
    void runSaveAsDialog(OfficeLink& link, const Reference<css::frame::XFrame>& frame)
    {
        try {
            css::frame::DispatchHelper::create(book_->context)
                ->executeDispatch(Reference<css::frame::XDispatchProvider>(frame, UNO_QUERY_THROW),
                                  ".uno:SaveAs", "", 0, {});
        } catch (const css::uno::Exception&) {
            rethrowAsFailure(link, kShowing);
        }
    }

    std::shared_ptr<Workbook::Impl> book_;
    std::shared_ptr<HandOverState> state_;
};

} // namespace

std::optional<QString> Workbook::showWithSaveAsDialog()
{
    OfficeLink& link = *impl_->link;
    auto state = std::make_shared<HandOverState>();
    guarded(link, kShowing, [&] {
        css::awt::AsyncCallback::create(impl_->context)
            ->addCallback(new ShowWithSaveAs(impl_, state), Any());
    });
    if (!state->waitForDialog(OfficeLink::Clock::now() + link.answerBound())) {
        link.giveUp();
        throwOfficeNotAnswering(kShowing, link);
    }
    return state->result();
}

} // namespace zuvo::sheet
