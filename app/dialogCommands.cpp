// The menu commands that open the options dialog and the move list window.

#include "VeltanGUI.h"
#include "VeltanMoveList.h"
#include "VeltanOptions.h"
#include "ui_VeltanGUI.h"
#include "unfinishedGame.h"
#include "veltanbrd.h"

void TFrmVeltanBrd::MnuItemOptionsClick()
{
    TFrmVeltanOptions dialog(this, *VeltanBrd1);
    const bool gameChoicesOpen = VeltanBrd1->GameEnded();
    dialog.SetReplaceCheck([this] { return MayReplaceGame(); });
    dialog.SetGameGoesOnCheck([this] { return IsUnfinishedGame(*VeltanBrd1); });
    if (RunModal(dialog) != QDialog::Accepted)
        return;
    RememberPieceSet();
    if (dialog.NewGameSetUp()) {
        RememberGameSetup();
        _unsavedMoves = false;
        KeepUnfinishedGame();
    } else if (gameChoicesOpen) {
        // A stopped game kept as it was keeps its status line and clocks too.
        return;
    }
    // New settings make the old texts meaningless; the clock labels come back
    // at the next clock step, the status line at the next move or start.
    SetStatusText(QString());
    SetClockLabel(*ui->LblTimeLeftWhite, QString());
    SetClockLabel(*ui->LblTimeLeftBlack, QString());
}

void TFrmVeltanBrd::MnuItemShowMovelistClick()
{
    TFrmVeltanMoveList dialog(this, *VeltanBrd1, *this);
    if (_authority != nullptr)
        _authority->MoveListOpened(dialog);
    RunModal(dialog);
}
