// The program: one main window with the board, run until it is closed. A game
// file named on the command line (veltan game.xml) is loaded at start; an
// invitation link (veltan veltan://HOST:PORT/CODE) joins that online game.

#include <QApplication>
#include <QUrl>

#include "VeltanGUI.h"
#include "applicationTitle.h"
#include "gameEndedNotice.h"
#include "keptGameSlot.h"
#include "networkMenu.h"
#include "onlineDialogs.h"

namespace {

bool IsInvitationLink(const QString& argument)
{
    return argument.startsWith(QLatin1String("veltan://"), Qt::CaseInsensitive) ||
           argument.startsWith(QLatin1String("veltans://"), Qt::CaseInsensitive);
}

} // namespace

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

    online::TQtOnlineDialogs onlineDialogs;
    TFrmVeltanBrd mainWindow;
    // Goes before the window: its online game gives the window its own game back.
    const online::TKeptGameSlot keptGame(online::TNetworkMenu::DefaultKeptFolder());
    online::TNetworkMenu networkMenu(mainWindow, onlineDialogs, keptGame.Path());
    online::TNetworkMenu* const network = &networkMenu;
    const QStringList arguments = QCoreApplication::arguments();
    // The desktop entry passes a file or a link as a URL (%u): a file may come as file://.
    QString argument = arguments.value(1);
    if (argument.startsWith(QLatin1String("file://"), Qt::CaseInsensitive))
        argument = QUrl(argument).toLocalFile();
    const bool link = IsInvitationLink(argument);
    if (!argument.isEmpty() && !link)
        mainWindow.SetStartFile(argument);
    mainWindow.show();
    // After the window's own start, so the board is set up before a game arrives on it.
    if (link)
        QMetaObject::invokeMethod(
            network, [network, argument] { network->JoinLink(argument); }, Qt::QueuedConnection);
    else
        QMetaObject::invokeMethod(network, &online::TNetworkMenu::OfferKeptGame, Qt::QueuedConnection);
    return QApplication::exec();
}
