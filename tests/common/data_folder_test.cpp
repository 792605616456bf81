#include "common/data_folder.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

// Restores ZUVO_DATA as the test found it.
class DataFolder : public testing::Test {
protected:
    void SetUp() override
    {
        hadValue_ = qEnvironmentVariableIsSet("ZUVO_DATA");
        previous_ = qgetenv("ZUVO_DATA");
    }
    void TearDown() override
    {
        if (hadValue_)
            qputenv("ZUVO_DATA", previous_);
        else
            qunsetenv("ZUVO_DATA");
    }

private:
    bool hadValue_ = false;
    QByteArray previous_;
};

TEST_F(DataFolder, FollowsTheEnvironmentVariable)
{
    qputenv("ZUVO_DATA", "/srv/preventivi");
    EXPECT_EQ(zuvo::dataFolder(), "/srv/preventivi");
    EXPECT_EQ(zuvo::dataFile("codord.txt"), "/srv/preventivi/codord.txt");
}

TEST_F(DataFolder, FallsBackToTheHomeFolderWhenUnsetOrEmpty)
{
    const QString expected = QDir::homePath() + "/ZuvoData";
    qunsetenv("ZUVO_DATA");
    EXPECT_EQ(zuvo::dataFolder(), expected);
    qputenv("ZUVO_DATA", "");
    EXPECT_EQ(zuvo::dataFolder(), expected);
    EXPECT_EQ(zuvo::dataFile("SchedaScaff.xlsx"), expected + "/SchedaScaff.xlsx");
}

} // namespace
