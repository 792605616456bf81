#pragma once

// Private to spreadsheet/: the conversions and the error boundary shared by the UNO code.

#include "common/failure.h"
#include "spreadsheet/office_link.h"

#include <QString>
#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/lang/DisposedException.hpp>
#include <com/sun/star/uno/Exception.hpp>
#include <com/sun/star/uno/Reference.hxx>
#include <com/sun/star/uno/XComponentContext.hpp>
#include <rtl/ustring.hxx>

namespace zuvo::sheet {

namespace css = ::com::sun::star;
using css::uno::Any;
using css::uno::Reference;
using css::uno::UNO_QUERY_THROW;
using rtl::OUString;

inline OUString toOUString(const QString& text)
{
    return OUString(reinterpret_cast<const sal_Unicode*>(text.utf16()), text.size());
}

inline QString toQString(const OUString& text)
{
    return QString(reinterpret_cast<const QChar*>(text.getStr()), text.getLength());
}

// "file:///..." for a local path, and back.
OUString fileUrl(const QString& path);
QString localPath(const OUString& url);

// Our side of every bridge: one per process.
Reference<css::uno::XComponentContext> localContext();

// The failures the user reads when the office threw while we were `doing` something (an
// Italian infinitive clause: "leggere la cella B2"): it went away, it stopped answering, or
// it refused.
[[noreturn]] void throwOfficeGone(const QString& doing);
[[noreturn]] void throwOfficeNotAnswering(const QString& doing, const OfficeLink& link);
[[noreturn]] void throwOfficeFailure(const QString& doing, const css::uno::Exception& error);
// Called inside a catch block: the one of them that fits what the office threw over the link.
[[noreturn]] void rethrowAsFailure(const OfficeLink& link, const QString& doing);

// Runs a piece of UNO work over the link, watched, turning any office exception into a
// zuvo::Failure. Once the link has given up on the office nothing more is sent over it.
template <typename Work>
auto guarded(OfficeLink& link, const QString& doing, Work&& work) -> decltype(work())
{
    if (!link.answering())
        throwOfficeNotAnswering(doing, link);
    try {
        const OfficeLink::Call call(link);
        return work();
    } catch (const css::uno::Exception&) {
        rethrowAsFailure(link, doing);
    }
}

template <typename Interface>
void setProperty(const Reference<Interface>& object, const char* name, const Any& value)
{
    Reference<css::beans::XPropertySet>(object, UNO_QUERY_THROW)
        ->setPropertyValue(OUString::createFromAscii(name), value);
}

template <typename Value, typename Interface>
Value property(const Reference<Interface>& object, const char* name)
{
    Value value{};
    Reference<css::beans::XPropertySet>(object, UNO_QUERY_THROW)
        ->getPropertyValue(OUString::createFromAscii(name)) >>= value;
    return value;
}

} // namespace zuvo::sheet
