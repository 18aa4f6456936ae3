// Main of the program's window tests: a QApplication on the offscreen platform
// (unless QT_QPA_PLATFORM chooses another), set up as the program sets itself
// up, then GoogleTest.

#include <QApplication>
#include <QTemporaryFile>
#include <gtest/gtest.h>

#include "isolatedUserFiles.h"

#include "applicationTitle.h"
#include "gameEndedNotice.h"

int main(int argc, char** argv)
{
    // Listing the tests for ctest happens without the test environment, and
    // no test may need a display. The offscreen screen is a desktop that
    // holds the window at its designed size (the platform's own 800 x 600
    // would not), at any QT_SCALE_FACTOR the tests run under.
    QTemporaryFile screens;
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if ((platform.isEmpty() || platform == "offscreen") && screens.open()) {
        screens.write(QStringLiteral(R"({"screens": [{"name": "Desktop", "x": 0, "y": 0, "width": %1,
                                         "height": %2, "logicalDpi": 96, "dpr": 1}]})")
                          .arg(VELTAN_TEST_SCREEN_WIDTH)
                          .arg(VELTAN_TEST_SCREEN_HEIGHT)
                          .toUtf8());
        screens.flush();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
    }
    IsolateUserFiles();
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(ApplicationTitle());
    GameEndedMessage();
    ::testing::InitGoogleTest(&argc, argv);
    WipeUserFilesBeforeEachTest();
    return RUN_ALL_TESTS();
}
