// The menu commands a desktop user reaches for: opening and saving a game
// file, as the move list's Load and Save do, and quitting.

#include <QKeySequence>

#include "VeltanGUI.h"
#include "gameFileCommands.h"
#include "ui_VeltanGUI.h"
#include "veltanbrd.h"

void TFrmVeltanBrd::ConnectFileMenu()
{
    // The platform's own key; a platform that names none (no desktop theme)
    // gets the usual Ctrl+Q. Quitting is closing the window, so the game is
    // kept as the close button keeps it.
    QList<QKeySequence> quit = QKeySequence::keyBindings(QKeySequence::Quit);
    if (quit.isEmpty())
        quit.append(QKeySequence(Qt::CTRL | Qt::Key_Q));
    ui->MnuItemQuit->setShortcuts(quit);
    connect(ui->MnuItemQuit, &QAction::triggered, this, &QWidget::close);
    connect(ui->MnuItemSaveGame, &QAction::triggered, this,
            [this] { SaveGameAsked(this, *VeltanBrd1, *this); });
    connect(ui->MnuItemOpenGame, &QAction::triggered, this,
            [this] { OpenGameAsked(this, *VeltanBrd1, *this); });
}
