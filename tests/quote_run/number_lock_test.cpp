#include "quote_run/number_lock.h"

#include "common/failure.h"
#include "tests/support/restricted_permissions.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zuvo::test {
namespace {

using namespace std::chrono_literals;

class NumberLockTest : public testing::Test {
protected:
    QString templatePath() const { return dir_.filePath(QStringLiteral("SchedaScaff.xlsx")); }
    QString lockPath() const { return templatePath() + QStringLiteral(".lock"); }

    void leaveEmptyLock()
    {
        QFile file(lockPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    QString refusal(std::chrono::milliseconds wait)
    {
        try {
            const quote::NumberLock lock(templatePath(), wait);
        } catch (const Failure& failure) {
            return failure.message();
        }
        ADD_FAILURE() << "the lock was taken";
        return {};
    }

    QTemporaryDir dir_;
};

// A lock file that has just been created may be a live program's that has not yet
// written its owner.
TEST_F(NumberLockTest, AnEmptyLockWrittenAMomentAgoIsNotBroken)
{
    leaveEmptyLock();
    const QString message = refusal(300ms);
    EXPECT_TRUE(message.contains(QStringLiteral("\"SchedaScaff.xlsx.lock\"")))
        << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("non indica il programma")));
    EXPECT_TRUE(QFile::exists(lockPath()));
}

TEST_F(NumberLockTest, ALiveOwnersLockNamesTheOwnerSoThatAPersonCanJudgeIt)
{
    QLockFile held(lockPath());
    ASSERT_TRUE(held.tryLock());
    const QString message = refusal(0ms);
    EXPECT_TRUE(message.contains(QStringLiteral("\"SchedaScaff.xlsx.lock\"")))
        << message.toStdString();
    EXPECT_TRUE(message.contains(dir_.path()));
    EXPECT_TRUE(message.contains(QString::number(QCoreApplication::applicationPid())));
    EXPECT_TRUE(message.contains(QSysInfo::machineHostName()));
    EXPECT_TRUE(message.contains(QStringLiteral("può essere eliminato")));
}

// Read-only, with or without an abandoned lock in it: the folder is named, not a holder.
TEST_F(NumberLockTest, AFolderWhereNoLockCanBeCreatedIsNamed)
{
    for (const bool abandonedLock : {false, true}) {
        if (abandonedLock) {
            leaveEmptyLock();
            QFile lock(lockPath());
            ASSERT_TRUE(lock.open(QIODevice::ReadWrite));
            ASSERT_TRUE(lock.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                         QFileDevice::FileModificationTime));
        }
        const RestrictedPermissions readOnly(dir_.path(),
                                             QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        const QString message = refusal(2s);
        EXPECT_TRUE(message.contains(QStringLiteral("verificare che la cartella sia scrivibile")))
            << message.toStdString();
    }
}

} // namespace
} // namespace zuvo::test
