#include "spreadsheet/uno_bridge.h"

#include <QRegularExpression>
#include <QUrl>

namespace zuvo::sheet {

OUString fileUrl(const QString& path)
{
    return toOUString(QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded));
}

QString localPath(const OUString& url)
{
    return QUrl(toQString(url)).toLocalFile();
}

void throwOfficeGone(const QString& doing)
{
    throw Failure(QStringLiteral("LibreOffice si è chiuso inaspettatamente: impossibile %1.").arg(doing));
}

void throwOfficeFailure(const QString& doing, const css::uno::Exception& error)
{
    // The office appends the place in its own sources (" at ./sc/...:289"): no use to the user.
    static const QRegularExpression sourcePlace(QStringLiteral("\\s+at\\s+\\S+:\\d+\\s*$"));
    const QString detail = toQString(error.Message).remove(sourcePlace).trimmed();
    if (detail.isEmpty())
        throw Failure(QStringLiteral("LibreOffice non è riuscito a %1.").arg(doing));
    throw Failure(QStringLiteral("LibreOffice non è riuscito a %1 (%2).").arg(doing, detail));
}

} // namespace zuvo::sheet
