// A run and the office it works in: one that stops answering, a template held by an office.
#include "tests/mezzanine_costs/mordisk_fixture.h"
#include "tests/support/office_environment.h"
#include "tests/support/office_processes.h"

#include <QFile>
#include <optional>
#include <csignal>

namespace zuvo::test {
namespace {

const QStringList kOrder = {QStringLiteral("F0284030   00000000 1")};

class MordiskOffice : public MordiskRun {
protected:
    QString officeLockOfTemplate() const { return folder.file(QStringLiteral(".~lock.SchedaScaff.xlsx#")); }
};

void writeFile(const QString& path, const QByteArray& contents)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(contents);
}

// An office that freezes during the hand-over: the run ends, telling the number it used and
// that the order is still there.
TEST_F(MordiskOffice, AnOfficeThatStopsAnsweringEndsTheRunWithTheNumberItUsed)
{
    setTemplateNumber(7);
    writeOrders(kOrder);
    office();
    const QSet<pid_t> before = ownOfficeProcesses();
    auto frozen = sheet::Office::start(sheet::Office::Kind::Isolated);
    frozen->setAnswerBound(std::chrono::seconds(2));
    const pid_t pid = *(ownOfficeProcesses() - before).begin();
    runOffice = [&]() -> sheet::Office& { return *frozen; };
    duringHandOver = [&] { ::kill(pid, SIGSTOP); };

    const QString message = runExpectingFailure(request());
    ::kill(pid, SIGCONT);
    frozen.reset();
    EXPECT_TRUE(message.startsWith(QStringLiteral("LibreOffice non risponde"))) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("Il numero 8 di \"SchedaScaff.xlsx\" è stato usato")))
        << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("i file dell'ordine sono rimasti")));
    EXPECT_TRUE(dataFileExists(QStringLiteral("codord.txt")));
    EXPECT_EQ(templateNumber(), 8);
}

// A colleague's office, or another office of this user, has the template open: the number
// is not raised under it until it is closed there.
TEST_F(MordiskOffice, ATemplateOpenInAnotherOfficeIsRefusedUntilClosed)
{
    setTemplateNumber(7);
    writeOrders(kOrder);
    auto other = sheet::Office::start(sheet::Office::Kind::Isolated);
    std::optional<sheet::Workbook> held = other->open(folder.file(QStringLiteral("SchedaScaff.xlsx")));

    const QString refusal = runExpectingFailure(request());
    EXPECT_TRUE(refusal.startsWith(QStringLiteral("Il modello \"SchedaScaff.xlsx\" è aperto in "
                                                  "LibreOffice da"))) << refusal.toStdString();
    EXPECT_TRUE(refusal.contains(QStringLiteral("\".~lock.SchedaScaff.xlsx#\"")));
    EXPECT_TRUE(refusal.contains(QStringLiteral("nessun file è stato consumato")));
    EXPECT_TRUE(dataFileExists(QStringLiteral("codord.txt")));

    held->close();
    held.reset();
    run(request());
    EXPECT_EQ(templateNumber(), 8);
    EXPECT_FALSE(dataFileExists(QStringLiteral("codord.txt")));
}

TEST_F(MordiskOffice, AnOfficeLockOfAnotherComputerIsRefused)
{
    setTemplateNumber(7);
    writeOrders(kOrder);
    writeFile(officeLockOfTemplate(),
              ",mrossi,ufficio-2,09.12.2026 08:15,file:///home/mrossi/.config/libreoffice/4;");

    const QString refusal = runExpectingFailure(request());
    EXPECT_TRUE(refusal.contains(QStringLiteral("da \"mrossi\" sul computer \"ufficio-2\", dal "
                                                "09.12.2026 08:15"))) << refusal.toStdString();
    EXPECT_EQ(templateNumber(), 7);
    EXPECT_TRUE(dataFileExists(QStringLiteral("codord.txt")));
}

// A kill or a power loss during the raise leaves the office's own lock: it is opened over.
TEST_F(MordiskOffice, ALockLeftByTheProgramsOwnOfficeIsOpenedOver)
{
    setTemplateNumber(7);
    writeOrders(kOrder);
    QByteArray ownLock;
    {
        sheet::Workbook open = office().open(folder.file(QStringLiteral("SchedaScaff.xlsx")));
        QFile lock(officeLockOfTemplate());
        ASSERT_TRUE(lock.open(QIODevice::ReadOnly));
        ownLock = lock.readAll();
        open.close();
    }
    writeFile(officeLockOfTemplate(), ownLock);

    run(request());
    EXPECT_EQ(templateNumber(), 8);
}

// A raise given up on may leave the template open, hidden, in the program's own office: no one
// opens a hidden document by hand, so it is closed and the run goes ahead.
TEST_F(MordiskOffice, ATemplateLeftOpenHiddenInTheProgramsOwnOfficeIsClosed)
{
    setTemplateNumber(7);
    writeOrders(kOrder);
    office().open(folder.file(QStringLiteral("SchedaScaff.xlsx")));

    run(request());
    EXPECT_EQ(templateNumber(), 8);
    EXPECT_FALSE(QFile::exists(officeLockOfTemplate()));
}

} // namespace
} // namespace zuvo::test
