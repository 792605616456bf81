#include "spreadsheet/office.h"

#include "spreadsheet/impl.h"
#include "spreadsheet/office_impl.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <atomic>
#include <com/sun/star/beans/NamedValue.hpp>
#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/configuration/theDefaultProvider.hpp>
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

QString uniquePipeName()
{
    static std::atomic<int> counter = 0;
    return QStringLiteral("zuvo_%1_%2_%3")
        .arg(getpid())
        .arg(counter++)
        .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
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

// Connects to the office that accepts on the pipe, waiting for it to start and answer up to
// the connection deadline. An isolated office that ends asking for a restart is started again.
std::shared_ptr<OfficeLink> connectLink(const QString& pipe, OfficeProcess* process)
{
    const auto deadline = OfficeLink::Clock::now() + std::chrono::milliseconds(connectTimeoutMs);
    while (OfficeLink::Clock::now() < deadline) {
        try {
            if (auto link = OfficeLink::connect(pipe, deadline))
                return link;
        } catch (const css::lang::DisposedException&) {
            // Given up on at the deadline; one that drops the connection earlier refuses us.
            if (OfficeLink::Clock::now() >= deadline)
                throw OfficeNotAnswering(noAnswerMessage());
            throw;
        }
        if (process && process->hasEnded()) {
            if (!process->endedAskingRestart())
                throw Failure(QStringLiteral("LibreOffice si è chiuso durante l'avvio."));
            process->restart();
        }
        QThread::msleep(100);
    }
    throw OfficeNotAnswering(noAnswerMessage());
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

Office::Impl::~Impl()
{
    if (cleaner)
        cleaner->stop();
}

void Office::Impl::connect()
{
    link = connectLink(pipe, process.get());
    // The user's office outlives us: what we leave in it when it stops answering is closed
    // once it answers again.
    if (kind == Kind::Desktop) {
        cleaner = std::make_shared<LeftoverCleaner>(pipe);
        link->setOnGiveUp([cleaner = cleaner, abandoned = std::weak_ptr<OfficeLink>(link)] {
            if (auto left = abandoned.lock())
                cleaner->cleanAfter(left);
        });
    }
    guarded(*link, QStringLiteral("preparare LibreOffice"), [&] {
        disableQuestions(link->context());
    });
}

Reference<css::frame::XDesktop2> Office::Impl::desktop() const
{
    return css::frame::Desktop::create(link->context());
}

Workbook Office::Impl::load(const OUString& url, bool asTemplate, const QString& doing)
{
    if (!link)
        throw Failure(QStringLiteral("LibreOffice è già stato chiuso: impossibile %1.").arg(doing));
    OurDocuments& ours = link->documents();
    const int loading = ours.loading(localPath(url), asTemplate);
    try {
        return guarded(*link, doing, [&] {
            auto document = desktop()->loadComponentFromURL(url, "_blank", 0, loadArguments(asTemplate));
            if (!document.is())
                throw Failure(QStringLiteral("LibreOffice non è riuscito a %1.").arg(doing));
            auto book = std::make_shared<Workbook::Impl>();
            book->link = link;
            book->context = link->context();
            book->document = document;
            book->id = toQString(property<OUString>(document, "RuntimeUID"));
            ours.loaded(loading, book->id);
            return Workbook(book);
        });
    } catch (const OfficeNotAnswering&) {
        // The office may still open it once it answers again: it stays counted as ours.
        throw;
    } catch (...) {
        ours.notLoaded(loading);
        throw;
    }
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

std::unique_ptr<Office> Office::start(Kind kind)
{
    if (!isInstalled())
        throw Failure(notInstalledMessage());
    if (kind == Kind::Isolated)
        return startIsolated(programDir + QStringLiteral("/soffice.bin"));
    return atStartBoundary([&] {
        auto impl = std::make_unique<Impl>();
        impl->kind = kind;
        impl->pipe = QStringLiteral("zuvo_desktop_%1").arg(getuid());
        startDetached(programDir + QStringLiteral("/soffice"),
                      QStringList{"--invisible", "--nologo", "--norestore", "--nodefault",
                                  acceptArgument(impl->pipe)});
        impl->connect();
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
        impl->pipe = uniquePipeName();
        impl->profile = std::make_unique<QTemporaryDir>();
        if (!impl->profile->isValid())
            throw Failure(QStringLiteral("Impossibile creare la cartella temporanea per LibreOffice."));
        const QString profileUrl = toQString(fileUrl(impl->profile->path()));
        impl->pipes = std::make_unique<OfficePipes>(impl->pipe, profileUrl);
        impl->process = std::make_unique<OfficeProcess>(
            officeBinary,
            QStringList{"--headless", "--invisible", "--nologo", "--norestore", "--nolockcheck",
                        "--nodefault", "-env:UserInstallation=" + profileUrl, acceptArgument(impl->pipe)},
            isolatedEnvironment(*impl->profile));
        impl->connect();
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
    return openFile(path, false, QStringLiteral("aprire il file \"%1\"").arg(path));
}

Workbook Office::openCopyOf(const QString& path)
{
    return openFile(path, true, QStringLiteral("aprire una copia del file \"%1\"").arg(path));
}

// A file the office refuses to open, while it still answers, is told with what is known of it.
Workbook Office::openFile(const QString& path, bool asTemplate, const QString& doing)
{
    if (!QFileInfo(path).isFile())
        throw Failure(QStringLiteral("Il file \"%1\" non esiste.").arg(path));
    try {
        return impl_->load(fileUrl(QFileInfo(path).absoluteFilePath()), asTemplate, doing);
    } catch (const OfficeNotAnswering&) {
        throw;
    } catch (const Failure& refusal) {
        if (!isAlive())
            throw;
        throw Failure(refusal.message() + QLatin1Char(' ') + knownOfRefusedFile(path));
    }
}

Workbook Office::create()
{
    return impl_->load("private:factory/scalc", false,
                       QStringLiteral("creare una nuova cartella di lavoro"));
}

bool Office::isAlive() const
{
    if (!impl_->link || !impl_->link->answering() || (impl_->process && impl_->process->hasEnded()))
        return false;
    try {
        guarded(*impl_->link, QStringLiteral("verificare che LibreOffice risponda"),
                [&] { impl_->desktop()->getCurrentComponent(); });
        return true;
    } catch (const Failure&) {
        return false;
    }
}

void Office::setAnswerBound(std::chrono::milliseconds bound)
{
    impl_->link->setAnswerBound(bound);
}

void Office::terminate()
{
    if (impl_->kind != Kind::Isolated || !impl_->process)
        return;
    if (impl_->link && impl_->link->answering()) {
        try {
            const auto deadline = OfficeLink::Clock::now() + std::chrono::milliseconds(terminateTimeoutMs);
            const OfficeLink::Call call(*impl_->link, deadline);
            impl_->desktop()->terminate();
        } catch (const css::uno::Exception&) {
            // The bridge goes away while the office shuts down, or it was already dead.
        }
    }
    const bool answering = impl_->link && impl_->link->answering();
    impl_->link.reset();
    if (!answering || !impl_->process->waitForEnd(terminateTimeoutMs))
        impl_->process->kill();
    impl_->process.reset();
    impl_->pipes.reset();
    impl_->profile.reset();
}

} // namespace zuvo::sheet
