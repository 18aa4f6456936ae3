// The menu commands that open the options dialog and the move list window.

#include "VeltanGUI.h"
#include "VeltanMoveList.h"
#include "VeltanOptions.h"
#include "ui_VeltanGUI.h"
#include "veltanbrd.h"

void TFrmVeltanBrd::MnuItemOptionsClick()
{
    TFrmVeltanOptions dialog(this, *VeltanBrd1);
    const bool gameChoicesOpen = VeltanBrd1->GameEnded();
    dialog.SetReplaceCheck([this] { return MayReplaceGame(); });
    // New settings make the old texts meaningless; the clock labels come back
    // at the next clock step, the status line at the next move or start.
    if (RunModal(dialog) == QDialog::Accepted) {
        RememberPieceSet();
        if (gameChoicesOpen) {
            RememberGameSetup();
            _unsavedMoves = false;
            KeepUnfinishedGame();
        }
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
