#include "spreadsheet/office.h"

#include "spreadsheet/impl.h"
#include "spreadsheet/office_pipes.h"
#include "spreadsheet/office_process.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <atomic>
#include <csignal>
#include <com/sun/star/beans/NamedValue.hpp>
#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/bridge/UnoUrlResolver.hpp>
#include <com/sun/star/configuration/theDefaultProvider.hpp>
#include <com/sun/star/connection/NoConnectException.hpp>
#include <com/sun/star/frame/Desktop.hpp>
#include <com/sun/star/util/XChangesBatch.hpp>
#include <cppuhelper/bootstrap.hxx>
#include <unistd.h>

namespace zuvo::sheet {
namespace {

using css::uno::Sequence;
using css::uno::XComponentContext;

const QString programDir = QStringLiteral(ZUVO_LO_PROGRAM_DIR);
constexpr int connectTimeoutMs = 30000;
constexpr int terminateTimeoutMs = 10000;

QString notInstalledMessage()
{
    return QStringLiteral("LibreOffice non è installato su questo computer: installare LibreOffice "
                          "Calc (pacchetto libreoffice-calc) e riprovare.");
}

// Our side of the bridge: one per process, deliberately never released, because tearing
// UNO down during static destruction crashes. URE_BOOTSTRAP must point at the office's
// fundamentalrc, otherwise bootstrapping crashes too. A write to an office that has closed
// the connection must fail as a call, not end this process with SIGPIPE.
Reference<XComponentContext> localContext()
{
    static const auto* context = [] {
        std::signal(SIGPIPE, SIG_IGN);
        qputenv("URE_BOOTSTRAP", QByteArray("vnd.sun.star.pathname:")
                                     + (programDir + QStringLiteral("/fundamentalrc")).toLocal8Bit());
        return new Reference<XComponentContext>(cppu::defaultBootstrap_InitialComponentContext());
    }();
    return *context;
}

QString uniquePipeName()
{
    static std::atomic<int> counter = 0;
    return QStringLiteral("zuvo_%1_%2_%3")
        .arg(getpid())
        .arg(counter++)
        .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
}

// One attempt to reach the office listening on the pipe; empty while it is not there yet.
Reference<XComponentContext> tryConnect(const QString& pipe)
{
    try {
        auto resolver = css::bridge::UnoUrlResolver::create(localContext());
        const OUString url = toOUString(
            QStringLiteral("uno:pipe,name=%1;urp;StarOffice.ComponentContext").arg(pipe));
        return Reference<XComponentContext>(resolver->resolve(url), UNO_QUERY_THROW);
    } catch (const css::connection::NoConnectException&) {
        return {};
    }
}

QString acceptArgument(const QString& pipe)
{
    return QStringLiteral("--accept=pipe,name=%1;urp;").arg(pipe);
}

QString noAnswerMessage()
{
    return QStringLiteral("LibreOffice è stato avviato ma non risponde: nessuna connessione entro "
                          "%1 secondi.").arg(connectTimeoutMs / 1000);
}

Reference<XComponentContext> connectIsolated(OfficeProcess& process, const QString& pipe)
{
    const QDeadlineTimer deadline(connectTimeoutMs);
    while (!deadline.hasExpired()) {
        if (auto context = tryConnect(pipe); context.is())
            return context;
        if (process.hasEnded()) {
            if (!process.endedAskingRestart())
                throw Failure(QStringLiteral("LibreOffice si è chiuso durante l'avvio."));
            process.restart();
        }
        QThread::msleep(100);
    }
    throw Failure(noAnswerMessage());
}

Reference<XComponentContext> connectDesktop(const QString& pipe)
{
    const QDeadlineTimer deadline(connectTimeoutMs);
    while (!deadline.hasExpired()) {
        if (auto context = tryConnect(pipe); context.is())
            return context;
        QThread::msleep(100);
    }
    throw Failure(noAnswerMessage());
}

void setOfficeSetting(const Reference<XComponentContext>& context, const char* node,
                      const char* name, const Any& value)
{
    auto provider = css::configuration::theDefaultProvider::get(context);
    css::beans::NamedValue nodePath("nodepath", Any(OUString::createFromAscii(node)));
    Sequence<Any> arguments(1);
    arguments.getArray()[0] <<= nodePath;
    auto access = provider->createInstanceWithArguments(
        "com.sun.star.configuration.ConfigurationUpdateAccess", arguments);
    setProperty(access, name, value);
    Reference<css::util::XChangesBatch>(access, UNO_QUERY_THROW)->commitChanges();
}

// The programs work unattended: saving as .xlsx must not ask which format to keep, and a
// paste over filled cells must not ask whether to replace them (unanswered, it pastes nothing).
void disableQuestions(const Reference<XComponentContext>& context)
{
    setOfficeSetting(context, "/org.openoffice.Office.Common/Save/Document", "WarnAlienFormat",
                     Any(false));
    setOfficeSetting(context, "/org.openoffice.Office.Calc/Input", "ReplaceCellsWarning",
                     Any(false));
}

Sequence<css::beans::PropertyValue> loadArguments(bool asTemplate)
{
    Sequence<css::beans::PropertyValue> arguments(asTemplate ? 2 : 1);
    auto* argument = arguments.getArray();
    argument[0].Name = "Hidden";
    argument[0].Value <<= true;
    if (asTemplate) {
        argument[1].Name = "AsTemplate";
        argument[1].Value <<= true;
    }
    return arguments;
}

} // namespace

struct Office::Impl {
    Kind kind = Kind::Isolated;
    std::unique_ptr<QTemporaryDir> profile;
    // Declared before the process: removed only once the process has ended.
    std::unique_ptr<OfficePipes> pipes;
    std::unique_ptr<OfficeProcess> process;
    Reference<XComponentContext> context;
    Reference<css::frame::XDesktop2> desktop;

    // Reaches the desktop and switches off the office's questions.
    void prepare();
    Workbook load(const OUString& url, bool asTemplate, const QString& doing);
};

Workbook Office::Impl::load(const OUString& url, bool asTemplate, const QString& doing)
{
    return guarded(doing, [&] {
        if (!desktop.is())
            throw Failure(QStringLiteral("LibreOffice è già stato chiuso: impossibile %1.").arg(doing));
        auto document = desktop->loadComponentFromURL(url, "_blank", 0, loadArguments(asTemplate));
        if (!document.is())
            throw Failure(QStringLiteral("LibreOffice non è riuscito a %1.").arg(doing));
        auto book = std::make_shared<Workbook::Impl>();
        book->context = context;
        book->document = document;
        return Workbook(book);
    });
}

bool Office::isInstalled()
{
    return QFileInfo(programDir + QStringLiteral("/soffice.bin")).isExecutable()
        && QFileInfo::exists(programDir + QStringLiteral("/libsclo.so"));
}

namespace {

// Whatever the office or the bridge throws while starting reaches the user as a message.
template <typename Start>
std::unique_ptr<Office> atStartBoundary(Start&& start)
{
    const QString doing = QStringLiteral("avviare LibreOffice");
    try {
        return start();
    } catch (const Failure&) {
        throw;
    } catch (const css::lang::DisposedException&) {
        throwOfficeGone(doing);
    } catch (const css::uno::Exception& error) {
        throwOfficeFailure(doing, error);
    } catch (const cppu::BootstrapException& error) {
        throw Failure(QStringLiteral("Impossibile collegarsi a LibreOffice (%1).")
                          .arg(toQString(error.getMessage())));
    }
}

// The office keeps its temporary files in its own profile folder, removed with it.
QStringList isolatedEnvironment(const QTemporaryDir& profile)
{
    const QString temporary = profile.filePath(QStringLiteral("tmp"));
    QDir().mkpath(temporary);
    return {QStringLiteral("TMPDIR=") + temporary};
}

} // namespace

void Office::Impl::prepare()
{
    guarded(QStringLiteral("preparare LibreOffice"), [&] {
        desktop = css::frame::Desktop::create(context);
        disableQuestions(context);
    });
}

std::unique_ptr<Office> Office::start(Kind kind)
{
    if (!isInstalled())
        throw Failure(notInstalledMessage());
    if (kind == Kind::Isolated)
        return startIsolated(programDir + QStringLiteral("/soffice.bin"));
    return atStartBoundary([&] {
        auto impl = std::make_unique<Impl>();
        impl->kind = kind;
        const QString pipe = QStringLiteral("zuvo_desktop_%1").arg(getuid());
        startDetached(programDir + QStringLiteral("/soffice"),
                      QStringList{"--invisible", "--nologo", "--norestore", "--nodefault",
                                  acceptArgument(pipe)});
        impl->context = connectDesktop(pipe);
        impl->prepare();
        return std::unique_ptr<Office>(new Office(std::move(impl)));
    });
}

std::unique_ptr<Office> Office::startIsolated(const QString& officeBinary)
{
    if (!QFileInfo(officeBinary).isExecutable())
        throw Failure(notInstalledMessage());
    return atStartBoundary([&] {
        auto impl = std::make_unique<Impl>();
        impl->kind = Kind::Isolated;
        const QString pipe = uniquePipeName();
        impl->profile = std::make_unique<QTemporaryDir>();
        if (!impl->profile->isValid())
            throw Failure(QStringLiteral("Impossibile creare la cartella temporanea per LibreOffice."));
        const QString profileUrl = toQString(fileUrl(impl->profile->path()));
        impl->pipes = std::make_unique<OfficePipes>(pipe, profileUrl);
        impl->process = std::make_unique<OfficeProcess>(
            officeBinary,
            QStringList{"--headless", "--invisible", "--nologo", "--norestore", "--nolockcheck",
                        "--nodefault", "-env:UserInstallation=" + profileUrl, acceptArgument(pipe)},
            isolatedEnvironment(*impl->profile));
        impl->context = connectIsolated(*impl->process, pipe);
        impl->prepare();
        return std::unique_ptr<Office>(new Office(std::move(impl)));
    });
}

Office::Office(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}

Office::~Office()
{
    terminate();
}

Office::Kind Office::kind() const
{
    return impl_->kind;
}

Workbook Office::open(const QString& path)
{
    if (!QFileInfo(path).isFile())
        throw Failure(QStringLiteral("Il file \"%1\" non esiste.").arg(path));
    return impl_->load(fileUrl(QFileInfo(path).absoluteFilePath()), false,
                       QStringLiteral("aprire il file \"%1\"").arg(path));
}

Workbook Office::openCopyOf(const QString& path)
{
    if (!QFileInfo(path).isFile())
        throw Failure(QStringLiteral("Il file \"%1\" non esiste.").arg(path));
    return impl_->load(fileUrl(QFileInfo(path).absoluteFilePath()), true,
                       QStringLiteral("aprire una copia del file \"%1\"").arg(path));
}

Workbook Office::create()
{
    return impl_->load("private:factory/scalc", false,
                       QStringLiteral("creare una nuova cartella di lavoro"));
}

bool Office::isAlive() const
{
    if (!impl_->desktop.is() || (impl_->process && impl_->process->hasEnded()))
        return false;
    try {
        impl_->desktop->getCurrentComponent();
        return true;
    } catch (const css::uno::Exception&) {
        return false;
    }
}

void Office::terminate()
{
    if (impl_->kind != Kind::Isolated || !impl_->process)
        return;
    if (impl_->desktop.is()) {
        try {
            impl_->desktop->terminate();
        } catch (const css::uno::Exception&) {
            // The bridge goes away while the office shuts down, or it was already dead.
        }
    }
    impl_->desktop.clear();
    impl_->context.clear();
    if (!impl_->process->waitForEnd(terminateTimeoutMs))
        impl_->process->kill();
    impl_->process.reset();
    impl_->pipes.reset();
    impl_->profile.reset();
}

} // namespace zuvo::sheet
