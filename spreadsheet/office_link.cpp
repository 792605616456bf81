#include "spreadsheet/office_link.h"

#include "spreadsheet/uno_bridge.h"

#include <com/sun/star/bridge/BridgeFactory.hpp>
#include <com/sun/star/connection/Connector.hpp>
#include <com/sun/star/connection/NoConnectException.hpp>
#include <com/sun/star/lang/XComponent.hpp>
#include <unistd.h>

namespace zuvo::sheet {

namespace {

Reference<css::lang::XComponent> componentOf(const Reference<css::bridge::XBridge>& bridge)
{
    return Reference<css::lang::XComponent>(bridge, css::uno::UNO_QUERY);
}

void dispose(const Reference<css::bridge::XBridge>& bridge) noexcept
{
    try {
        if (auto component = componentOf(bridge); component.is())
            component->dispose();
    } catch (const css::uno::Exception&) {
        // Already gone with the office.
    }
}

} // namespace

std::shared_ptr<OfficeLink> OfficeLink::connect(const QString& pipe, Clock::time_point deadline)
{
    Reference<css::connection::XConnection> connection;
    try {
        connection = css::connection::Connector::create(localContext())
                         ->connect(toOUString(QStringLiteral("pipe,name=%1").arg(pipe)));
    } catch (const css::connection::NoConnectException&) {
        return nullptr;
    }
    // Each bridge its own name: anonymous ones share their proxies of the office's objects,
    // and those of a bridge we gave up on would stay disposed for the next one.
    static std::atomic<int> bridges = 0;
    auto bridge = css::bridge::BridgeFactory::create(localContext())
                      ->createBridge(toOUString(QStringLiteral("zuvo-%1-%2").arg(getpid()).arg(++bridges)),
                                     "urp", connection, nullptr);
    std::shared_ptr<OfficeLink> link(new OfficeLink(connection, bridge));
    // An office whose pipe is open may still not answer: the first call is watched too.
    const Call call(*link, deadline);
    Reference<css::uno::XComponentContext> context(bridge->getInstance("StarOffice.ComponentContext"),
                                                   UNO_QUERY_THROW);
    const std::lock_guard lock(link->mutex_);
    link->context_ = context;
    return link;
}

OfficeLink::OfficeLink(Reference<css::connection::XConnection> connection,
                       Reference<css::bridge::XBridge> bridge)
    : connection_(std::move(connection)), bridge_(std::move(bridge)), watchdog_([this] { watch(); })
{
}

OfficeLink::~OfficeLink()
{
    {
        const std::lock_guard lock(mutex_);
        closing_ = true;
    }
    changed_.notify_all();
    watchdog_.join();
    context_.clear();
    dispose(bridge_);
}

OfficeLink::Call::Call(OfficeLink& link, Clock::time_point deadline) : link_(link)
{
    const std::lock_guard lock(link_.mutex_);
    deadline_ = link_.deadlines_.insert(deadline);
    if (deadline_ == link_.deadlines_.begin())
        link_.changed_.notify_all();
}

OfficeLink::Call::~Call()
{
    const std::lock_guard lock(link_.mutex_);
    link_.deadlines_.erase(deadline_);
}

// Sleeps until the earliest deadline of the calls under way; one that passes unanswered
// means the office does not answer.
void OfficeLink::watch()
{
    std::unique_lock lock(mutex_);
    while (!closing_) {
        if (deadlines_.empty() || !answering_) {
            changed_.wait(lock);
            continue;
        }
        const Clock::time_point earliest = *deadlines_.begin();
        if (Clock::now() < earliest) {
            changed_.wait_until(lock, earliest);
            continue;
        }
        lock.unlock();
        giveUp();
        lock.lock();
    }
}

Reference<css::uno::XComponentContext> OfficeLink::context() const
{
    const std::lock_guard lock(mutex_);
    return context_;
}

bool OfficeLink::answering() const
{
    const std::lock_guard lock(mutex_);
    return answering_;
}

void OfficeLink::giveUp()
{
    std::function<void()> onGiveUp;
    {
        const std::lock_guard lock(mutex_);
        if (answering_)
            onGiveUp = std::move(onGiveUp_);
        answering_ = false;
    }
    dispose(bridge_);
    {
        // Our proxies of the office's objects are known by the objects' ids, which a new
        // connection to the same office reuses: while one lives, the new connection would
        // reach that object through this dead bridge.
        const std::lock_guard lock(mutex_);
        context_.clear();
    }
    if (onGiveUp)
        onGiveUp();
}

void OfficeLink::setOnGiveUp(std::function<void()> onGiveUp)
{
    const std::lock_guard lock(mutex_);
    onGiveUp_ = std::move(onGiveUp);
}

} // namespace zuvo::sheet
