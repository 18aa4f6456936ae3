// Writes a picture of the main window's menu, opened, for the README:
//   QT_QPA_PLATFORM=offscreen menu-shot docs/images/menu.png
// Settings and kept games go to Qt's test folders, so the player's own are
// neither read nor touched, and the menu shows a first start's state.

#include <QApplication>
#include <QMenu>
#include <QStandardPaths>
#include <QTextStream>
#include <cstdlib>

#include "VeltanGUI.h"
#include "gameEndedNotice.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: menu-shot OUTPUT.png\n";
        return EXIT_FAILURE;
    }
    QCoreApplication::setOrganizationName(QStringLiteral("Veltan"));
    QCoreApplication::setApplicationName(QStringLiteral("Veltan"));
    QStandardPaths::setTestModeEnabled(true);
    GameEndedMessage();
    TFrmVeltanBrd window;
    window.show();
    QApplication::processEvents();
    auto* const menu = window.findChild<QMenu*>(QStringLiteral("N1"));
    if (menu == nullptr) {
        QTextStream(stderr) << "the window has no menu\n";
        return EXIT_FAILURE;
    }
    menu->popup(window.mapToGlobal(QPoint(0, 0)));
    QApplication::processEvents();
    if (!menu->grab().save(QString::fromLocal8Bit(argv[1]))) {
        QTextStream(stderr) << "cannot write " << argv[1] << "\n";
        return EXIT_FAILURE;
    }
    menu->hide();
    window.close();
    return EXIT_SUCCESS;
}
