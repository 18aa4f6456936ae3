// The program: one main window with the board, run until it is closed. A game
// file named on the command line (veltan game.xml) is loaded at start.

#include <QApplication>

#include "VeltanGUI.h"
#include "applicationTitle.h"
#include "gameEndedNotice.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    // Settings and the kept unfinished game live in folders named after these.
    QCoreApplication::setOrganizationName(QStringLiteral("Veltan"));
    QCoreApplication::setApplicationName(QStringLiteral("Veltan"));
    QApplication::setApplicationDisplayName(ApplicationTitle());
    // Lets desktops match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("veltan"));
    // The board's notice to the main window needs its event type fixed before any window exists.
    GameEndedMessage();

    TFrmVeltanBrd mainWindow;
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 1)
        mainWindow.SetStartFile(arguments.at(1));
    mainWindow.show();
    return QApplication::exec();
}
