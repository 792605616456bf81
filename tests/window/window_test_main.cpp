#include <QApplication>
#include <gtest/gtest.h>

// The widgets need an application object; test discovery only lists the tests and runs
// without a display, so the application is made only for a real run.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (::testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS();
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
