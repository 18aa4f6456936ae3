// The menu commands that open the options dialog and the move list window.

#include <QDir>
#include <QStandardPaths>

#include "VeltanGUI.h"
#include "VeltanMoveList.h"
#include "VeltanOptions.h"
#include "ui_VeltanGUI.h"
#include "veltanbrd.h"

void TFrmVeltanBrd::MnuItemOptionsClick()
{
    TFrmVeltanOptions dialog(this, *VeltanBrd1);
    // New settings make the old texts meaningless; the clock labels come back
    // at the next clock step, the status line at the next move or start.
    if (RunModal(dialog) == QDialog::Accepted) {
        SetStatusText(QString());
        SetClockLabel(*ui->LblTimeLeftWhite, QString());
        SetClockLabel(*ui->LblTimeLeftBlack, QString());
    }
}

void TFrmVeltanBrd::MnuItemShowMovelistClick()
{
    TFrmVeltanMoveList dialog(this, *VeltanBrd1, *this);
    RunModal(dialog);
}

QString TFrmVeltanBrd::GameFileFolder() const
{
    // The program's own folder is a system folder once installed; the
    // documents folder is where people look for what they saved.
    if (!_gameFileFolder.isEmpty())
        return _gameFileFolder;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}

void TFrmVeltanBrd::SetGameFileFolder(const QString& folder)
{
    _gameFileFolder = folder;
}
