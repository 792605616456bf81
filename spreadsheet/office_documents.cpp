// What the office has open, and whose its locks are.
#include "spreadsheet/office.h"

#include "spreadsheet/office_impl.h"

#include <QFileInfo>
#include <QSysInfo>
#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/container/XEnumeration.hpp>
#include <com/sun/star/container/XEnumerationAccess.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/util/XCloseable.hpp>
#include <com/sun/star/util/theMacroExpander.hpp>
#include <pwd.h>
#include <unistd.h>

namespace zuvo::sheet {

namespace {

bool isHidden(const Reference<css::frame::XModel>& document)
{
    bool hidden = false;
    for (const css::beans::PropertyValue& argument : document->getArgs()) {
        if (argument.Name == "Hidden")
            argument.Value >>= hidden;
    }
    return hidden;
}

QString canonical(const QString& path)
{
    const QFileInfo file(path);
    return file.exists() ? file.canonicalFilePath() : file.absoluteFilePath();
}

// The office names this computer as the system does, perhaps with its domain.
bool sameComputer(const QString& a, const QString& b)
{
    return a.section(QLatin1Char('.'), 0, 0).compare(b.section(QLatin1Char('.'), 0, 0),
                                                     Qt::CaseInsensitive) == 0;
}

// The office runs as the user we run as: we reach it through that user's own pipe.
QString systemUser()
{
    const passwd* user = getpwuid(getuid());
    return user ? QString::fromLocal8Bit(user->pw_name) : QString();
}

} // namespace

bool Office::hasOpen(const QString& path)
{
    const QString wanted = canonical(path);
    const QString doing = QStringLiteral("cercare tra i documenti aperti \"%1\"").arg(path);
    return guarded(*impl_->link, doing, [&] {
        auto documents = Reference<css::container::XEnumerationAccess>(
                             impl_->desktop()->getComponents(), UNO_QUERY_THROW)
                             ->createEnumeration();
        bool open = false;
        while (documents->hasMoreElements()) {
            Reference<css::frame::XModel> document(documents->nextElement(), css::uno::UNO_QUERY);
            if (!document.is() || document->getURL().isEmpty()
                || canonical(localPath(document->getURL())) != wanted)
                continue;
            if (isHidden(document))
                Reference<css::util::XCloseable>(document, UNO_QUERY_THROW)->close(true);
            else
                open = true;
        }
        return open;
    });
}

bool Office::wroteLock(const DocumentLock& lock)
{
    const QString doing = QStringLiteral("leggere il profilo di LibreOffice");
    const OUString profile = guarded(*impl_->link, doing, [&] {
        return css::util::theMacroExpander::get(impl_->link->context())
            ->expandMacros("${$BRAND_BASE_DIR/program/bootstraprc:UserInstallation}");
    });
    return lock.readable && lock.systemUser == systemUser()
        && sameComputer(lock.computer, QSysInfo::machineHostName())
        && lock.profileUrl == toQString(profile);
}

} // namespace zuvo::sheet
