// The menu commands that act on the board directly or open the promotion dialog.

#include "VeltanGUI.h"
#include "VeltanPromote.h"
#include "ui_VeltanGUI.h"
#include "veltanbrd.h"

void TFrmVeltanBrd::MnuItemNewGameClick()
{
    if (!MayReplaceGame())
        return;
    // The game that goes is stopped first, so no clock or search runs on into the new one.
    StopPlay();
    SetupGame(*VeltanBrd1, RememberedGameSetup());
    _unsavedMoves = false;
    KeepUnfinishedGame();
    // Stopped, as a game the options dialog sets up: the clocks come at the start.
    SetStatusText(QStringLiteral(" "));
    SetClockLabel(*ui->LblTimeLeftWhite, QStringLiteral(" "));
    SetClockLabel(*ui->LblTimeLeftBlack, QStringLiteral(" "));
}

void TFrmVeltanBrd::MnuItemWhiteOnTopClick()
{
    VeltanBrd1->SetWhiteOnTop(!VeltanBrd1->WhiteOnTop());
    RememberBoardLook();
    UpdateViewMenu();
}

void TFrmVeltanBrd::MnuItemShowCoordinatesClick()
{
    VeltanBrd1->SetDisplayCoords(VeltanBrd1->DisplayCoords().Empty() ? CoordSet::All() : CoordSet{});
    RememberBoardLook();
    UpdateViewMenu();
}

void TFrmVeltanBrd::UpdateViewMenu()
{
    ui->MnuItemWhiteOnTop->setChecked(VeltanBrd1->WhiteOnTop());
    ui->MnuItemShowCoordinates->setChecked(!VeltanBrd1->DisplayCoords().Empty());
}

void TFrmVeltanBrd::StartStop1Click()
{
    if (_authority != nullptr)
        _authority->StartStopAsked();
    else
        StartStop();
}

void TFrmVeltanBrd::SetGameAuthority(TGameAuthority* authority)
{
    // Neither a game that goes online nor one that comes back may find the local clock running.
    SetClockRunning(false);
    _authority = authority;
}

void TFrmVeltanBrd::MnuItemTest1Click()
{
    // A look at the promotion dialog; the piece picked is not used.
    TFrmPromote dialog(this, *VeltanBrd1);
    RunModal(dialog);
}
