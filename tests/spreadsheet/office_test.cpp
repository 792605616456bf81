#include "common/failure.h"
#include "tests/support/office_processes.h"
#include "workbook_fixture.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>
#include <unistd.h>

namespace zuvo::test {
namespace {

using sheet::CellInput;
using sheet::Office;

TEST(OfficeTest, SharedOfficeAnswers)
{
    EXPECT_TRUE(Office::isInstalled());
    EXPECT_TRUE(office().isAlive());
    EXPECT_EQ(office().kind(), Office::Kind::Isolated);
}

TEST(OfficeTest, AnOfficeThatDiesOrRefusesAtStartIsAMessage)
{
    for (const QString& binary : {QStringLiteral("/bin/false"), QStringLiteral(ZUVO_REFUSING_OFFICE)}) {
        try {
            Office::startIsolated(binary);
            ADD_FAILURE() << "no failure starting " << binary.toStdString();
        } catch (const Failure& failure) {
            EXPECT_TRUE(failure.message().contains("LibreOffice")) << failure.what();
        }
    }
}

TEST(OfficeTest, KilledOfficeTurnsEveryCallIntoAFailure)
{
    office();
    const QSet<pid_t> before = ownOfficeProcesses();
    auto second = Office::start(Office::Kind::Isolated);
    auto book = second->create();
    auto sheet = book.activeSheet();
    sheet.write(1, 1, CellInput::of(1.0));
    const QSet<pid_t> started = ownOfficeProcesses() - before;
    ASSERT_EQ(started.size(), 1);

    ::kill(*started.begin(), SIGKILL);
    QDeadlineTimer patience(10000);
    while (second->isAlive() && !patience.hasExpired())
        QThread::msleep(50);

    EXPECT_FALSE(second->isAlive());
    EXPECT_THROW(sheet.cell(1, 1), Failure);
    EXPECT_THROW(sheet.write(1, 1, CellInput::of(2.0)), Failure);
    EXPECT_THROW(book.saveAs(QDir::temp().filePath(QStringLiteral("zuvo-mai-salvato.xlsx"))), Failure);
    EXPECT_THROW(second->create(), Failure);
    try {
        sheet.cell(1, 1);
    } catch (const Failure& failure) {
        EXPECT_TRUE(failure.message().startsWith(QStringLiteral("LibreOffice si è chiuso"))) << failure.what();
    }
    second.reset();
    EXPECT_TRUE(office().isAlive());
}

// A call that gets no answer ends in a failure rather than a wait without end, and so does
// every later one, at once.
TEST(OfficeTest, AnOfficeThatStopsAnsweringIsGivenUpOn)
{
    office();
    const QSet<pid_t> before = ownOfficeProcesses();
    auto stalled = Office::start(Office::Kind::Isolated);
    stalled->setAnswerBound(std::chrono::seconds(2));
    auto sheet = stalled->create().activeSheet();
    const QSet<pid_t> started = ownOfficeProcesses() - before;
    ASSERT_EQ(started.size(), 1);

    ::kill(*started.begin(), SIGSTOP);
    try {
        sheet.write(1, 1, CellInput::of(1.0));
        ADD_FAILURE() << "the stopped office answered";
    } catch (const sheet::OfficeNotAnswering& failure) {
        EXPECT_TRUE(failure.message().startsWith(QStringLiteral("LibreOffice non risponde"))) << failure.what();
    }
    EXPECT_THROW(sheet.cell(1, 1), sheet::OfficeNotAnswering);
    EXPECT_FALSE(stalled->isAlive());
    ::kill(*started.begin(), SIGCONT);
    stalled.reset();
    EXPECT_EQ(ownOfficeProcesses(), before);
    EXPECT_TRUE(office().isAlive());
}

TEST(OfficeTest, TerminateEndsItsOwnProcess)
{
    office();
    const QSet<pid_t> before = ownOfficeProcesses();
    auto own = Office::start(Office::Kind::Isolated);
    ASSERT_EQ((ownOfficeProcesses() - before).size(), 1);
    own->terminate();
    EXPECT_FALSE(own->isAlive());
    EXPECT_EQ(ownOfficeProcesses(), before);
    EXPECT_THROW(own->create(), Failure);
}

// Italian users have "," as decimal point; R1C1 formulas must still read the Excel way.
TEST(OfficeTest, FormulasReadTheExcelWayInAnItalianOffice)
{
    const bool hadLocale = qEnvironmentVariableIsSet("LC_ALL");
    const QByteArray previous = qgetenv("LC_ALL");
    qputenv("LC_ALL", "it_IT.UTF-8");
    auto italian = Office::start(Office::Kind::Isolated);
    if (hadLocale)
        qputenv("LC_ALL", previous);
    else
        qunsetenv("LC_ALL");
    auto book = italian->create();
    auto sheet = book.activeSheet();
    sheet.write(1, 1, CellInput::of(10.0));
    sheet.write(2, 1, CellInput::formula(QStringLiteral("=ROUND(R1C1/3,2)+0.5")));
    sheet.writeRow(3, 1, {CellInput::formula(QStringLiteral("=ROUND(R1C1/3,2)+0.5")), CellInput::of(1.5),
                          CellInput::of(QStringLiteral("1,5"))});

    EXPECT_DOUBLE_EQ(sheet.cell(2, 1).number, 3.83);
    EXPECT_EQ(sheet.formula(3, 1), sheet.formula(2, 1));
    EXPECT_DOUBLE_EQ(sheet.cell(3, 1).number, 3.83);
    EXPECT_DOUBLE_EQ(sheet.cell(3, 2).number, 1.5);
    EXPECT_EQ(sheet.cell(3, 3).text, "1,5");
    book.close();
}

} // namespace
} // namespace zuvo::test
