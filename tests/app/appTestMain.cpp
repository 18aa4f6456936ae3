// Main of the program's window tests: a QApplication on the offscreen platform
// (unless QT_QPA_PLATFORM chooses another), set up as the program sets itself
// up, then GoogleTest.

#include <QApplication>
#include <gtest/gtest.h>

#include "isolatedUserFiles.h"

#include "applicationTitle.h"
#include "gameEndedNotice.h"

int main(int argc, char** argv)
{
    // Listing the tests for ctest happens without the test environment, and
    // no test may need a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    IsolateUserFiles();
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(ApplicationTitle());
    GameEndedMessage();
    ::testing::InitGoogleTest(&argc, argv);
    WipeUserFilesBeforeEachTest();
    return RUN_ALL_TESTS();
}
