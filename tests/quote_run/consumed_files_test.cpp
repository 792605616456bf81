#include "quote_run/consumed_files.h"

#include "common/text_lines.h"
#include "quote_run/quote_request.h"
#include "tests/support/restricted_permissions.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zuvo::test {
namespace {

// A file that cannot be read back may still be the order quoted: it stays, and the user is
// told, or the next start would quote it again under a new number.
TEST(ConsumedFilesTest, AFileThatCannotBeReadBackIsReportedAsLeftBehind)
{
    QTemporaryDir dir;
    const QString orders = dir.filePath(QStringLiteral("codord.txt"));
    QFile file(orders);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("ZT350      00000000 1\r\n");
    file.close();
    quote::ConsumedFiles consumed;
    consumed.addRead(readTextFile(orders));

    const RestrictedPermissions unreadable(orders, QFileDevice::WriteOwner);
    try {
        consumed.deleteUnchanged();
        ADD_FAILURE() << "the file left behind went unreported";
    } catch (const quote::FailureAfterHandOver& failure) {
        EXPECT_TRUE(failure.message().contains(QStringLiteral("\"codord.txt\" (non si è potuto "
                                                              "rileggerlo")))
            << failure.message().toStdString();
    }
    EXPECT_TRUE(QFile::exists(orders));
}

} // namespace
} // namespace zuvo::test
