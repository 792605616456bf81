#include "common/text_lines.h"

#include "common/failure.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ReadTextLines : public testing::Test {
protected:
    QStringList linesOf(const QByteArray& bytes)
    {
        const QString path = dir_.filePath(QStringLiteral("righe.txt"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        return zuvo::readTextFile(path).content;
    }

    QTemporaryDir dir_;
};

TEST_F(ReadTextLines, SplitsAtEveryKindOfLineEnd)
{
    const QStringList expected{"uno", "due", "tre"};
    EXPECT_EQ(linesOf("uno\r\ndue\r\ntre\r\n"), expected);
    EXPECT_EQ(linesOf("uno\rdue\rtre\r"), expected);
    EXPECT_EQ(linesOf("uno\ndue\ntre\n"), expected);
    EXPECT_EQ(linesOf("uno\r\ndue\rtre\n"), expected);
}

TEST_F(ReadTextLines, KeepsAFinalLineWithoutItsEnd)
{
    EXPECT_EQ(linesOf("uno\r\ndue"), (QStringList{"uno", "due"}));
}

TEST_F(ReadTextLines, KeepsEmptyLinesInTheMiddle)
{
    EXPECT_EQ(linesOf("uno\r\n\r\ntre\n\n"), (QStringList{"uno", "", "tre", ""}));
    EXPECT_EQ(linesOf("\r\n\r\n"), (QStringList{"", ""}));
    EXPECT_EQ(linesOf("\n\r"), (QStringList{"", ""}));
}

TEST_F(ReadTextLines, GivesNoLinesForAnEmptyFile)
{
    EXPECT_TRUE(linesOf("").isEmpty());
}

TEST_F(ReadTextLines, ReadsBytesAsLatin1)
{
    EXPECT_EQ(linesOf("perch\xe0 ci\xf2\r\n"), QStringList{QString::fromUtf8("perchà ciò")});
}

TEST_F(ReadTextLines, KeepsBlanksAtTheEndsOfALine)
{
    EXPECT_EQ(linesOf("  A 12  \r\n"), QStringList{"  A 12  "});
}

TEST_F(ReadTextLines, NamesAMissingFileInItsFailure)
{
    const QString path = dir_.filePath(QStringLiteral("codord.txt"));
    try {
        zuvo::readTextFile(path);
        FAIL() << "no failure for a missing file";
    } catch (const zuvo::Failure& failure) {
        EXPECT_TRUE(failure.message().startsWith(QStringLiteral("Impossibile leggere il file \"%1\"").arg(path)))
            << failure.what();
    }
}

TEST_F(ReadTextLines, RefusesAFolder)
{
    EXPECT_THROW(zuvo::readTextFile(dir_.path()), zuvo::Failure);
}

} // namespace
