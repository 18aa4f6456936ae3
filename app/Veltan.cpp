// The program: one main window with the board, run until it is closed.

#include <QApplication>

#include "VeltanGUI.h"
#include "applicationTitle.h"
#include "gameEndedNotice.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName(ApplicationTitle());
    // Lets desktops match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("veltan"));
    // The board's notice to the main window needs its event type fixed before any window exists.
    GameEndedMessage();

    TFrmVeltanBrd mainWindow;
    mainWindow.show();
    return QApplication::exec();
}
