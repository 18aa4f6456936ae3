// Main of the options dialog's tests: a QApplication on the offscreen
// platform (unless QT_QPA_PLATFORM names another), then GoogleTest.

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // ctest lists the tests without the tests' environment; no test needs a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
