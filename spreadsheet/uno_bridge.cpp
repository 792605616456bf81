#include "spreadsheet/uno_bridge.h"

#include "spreadsheet/office.h"

#include <QRegularExpression>
#include <QUrl>
#include <cppuhelper/bootstrap.hxx>
#include <csignal>

namespace zuvo::sheet {

// Deliberately never released, because tearing UNO down during static destruction crashes.
// URE_BOOTSTRAP must point at the office's fundamentalrc, otherwise bootstrapping crashes
// too. A write to an office that has closed the connection must fail as a call, not end this
// process with SIGPIPE.
Reference<css::uno::XComponentContext> localContext()
{
    static const auto* context = [] {
        std::signal(SIGPIPE, SIG_IGN);
        qputenv("URE_BOOTSTRAP", QByteArray("vnd.sun.star.pathname:")
                                     + QByteArray(ZUVO_LO_PROGRAM_DIR "/fundamentalrc"));
        return new Reference<css::uno::XComponentContext>(
            cppu::defaultBootstrap_InitialComponentContext());
    }();
    return *context;
}

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

void throwOfficeNotAnswering(const QString& doing, const OfficeLink& link)
{
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(link.answerBound());
    throw OfficeNotAnswering(QStringLiteral("LibreOffice non risponde: nessuna risposta entro %1 "
                                            "secondi, impossibile %2.")
                                 .arg(seconds.count())
                                 .arg(doing));
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

void rethrowAsFailure(const OfficeLink& link, const QString& doing)
{
    // A dead office shows up as a disposed bridge, and so does one we gave up on.
    if (!link.answering())
        throwOfficeNotAnswering(doing, link);
    try {
        throw;
    } catch (const css::lang::DisposedException&) {
        throwOfficeGone(doing);
    } catch (const css::uno::Exception& error) {
        throwOfficeFailure(doing, error);
    }
}

} // namespace zuvo::sheet
