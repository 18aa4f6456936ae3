// The course of a game: setting it up, starting and stopping it, what follows
// each move, and its end by a draw.

#include "VeltanGUI.h"
#include "applicationTitle.h"
#include "panelLabel.h"
#include "pieceSetKeys.h"
#include "settingsKeys.h"
#include "ui_VeltanGUI.h"
#include "userDialogs.h"
#include "veltanbrd.h"
#include "windowFit.h"

namespace {

const QString GameStoppedSuffix = QStringLiteral(" (Game stopped)");

} // namespace

void TFrmVeltanBrd::InitialGameSetup()
{
    VeltanBrd1->SetCustomPieceSet(
        PieceSetForKey(_pieceSets, _settings->Read(settingkeys::PieceSet)).value_or(QImage()));
    VeltanBrd1->InitOptions();
    VeltanBrd1->NewGame();
    SetupGame(*VeltanBrd1, RememberedGameSetup());
    _unsavedMoves = false;
}

void TFrmVeltanBrd::UpdateGameSettings()
{
    const bool ended = VeltanBrd1->GameEnded();
    SetClockRunning(!ended);
    // The computer's side may only be chosen between games.
    ui->RadioGroup1->setEnabled(ended);
    UpdateComputerMenu();
    if (VeltanBrd1->PaintBoardCurrentTeamPlayer() == ended) {
        VeltanBrd1->SetPaintBoardCurrentTeamPlayer(!ended);
        // The current player's pieces light up or go dark now, not at some later repaint.
        VeltanBrd1->Paint();
    }
    if (!ended)
        SetStatusText(QString::fromStdString(VeltanBrd1->GetMovesLeftInTurn()));
}

void TFrmVeltanBrd::StartStop()
{
    // A finished game stays finished, however its last position was reached
    // (played, stepped to or loaded): resuming would only run a clock down
    // past the result, so the result is told again instead. A clock that ran
    // out has no time left for any record of the game, so playing on from an
    // earlier one is refused as well.
    if (VeltanBrd1->GameEnded()) {
        TGameEnding ending = VeltanBrd1->Ending();
        if (ending == TGameEnding::None)
            ending = VeltanBrd1->TimeLoss();
        if (ending != TGameEnding::None) {
            ShowMessage(QString::fromStdString(TVeltanBrdKernel::EndingMessage(ending)),
                        QMessageBox::Information);
            return;
        }
    }
    VeltanBrd1->SetGameEnded(!VeltanBrd1->GameEnded());
    UpdateGameSettings();
    if (VeltanBrd1->GameEnded())
        SetStatusText(ui->LblStatusMovesLeftInTurn->text() + GameStoppedSuffix);
    SetClockRunning(!VeltanBrd1->GameEnded());
    ItsShowTime();
    // When the computer is to move, it starts at once rather than at the
    // board's next turn check.
    VeltanBrd1->Think();
}

void TFrmVeltanBrd::StopPlay()
{
    if (!VeltanBrd1->GameEnded())
        StartStop();
}

void TFrmVeltanBrd::RecordShown()
{
    if (_authority != nullptr) {
        _authority->RecordShown();
        return;
    }
    // The status line follows the record shown: who is to move there, or how
    // the game stood ended there.
    const TGameEnding ending = VeltanBrd1->Ending();
    if (ending != TGameEnding::None)
        SetStatusText(QString::fromStdString(TVeltanBrdKernel::EndingMessage(ending)));
    else if (VeltanBrd1->GameEnded())
        SetStatusText(QString::fromStdString(VeltanBrd1->GetMovesLeftInTurn()) + GameStoppedSuffix);
    KeepUnfinishedGame();
}

void TFrmVeltanBrd::VeltanBrd1LegalMove(TVeltanBrdKernel&, Square, Square)
{
    // The board has moved the pieces but not yet passed the turn on, so the
    // side to move is still the team that moved.
    SetStatusText(QString::fromStdString(VeltanBrd1->GetMovesLeftInTurn()));
    UpdateGameSettings();
    ClockStepsAfterMove();
}

void TFrmVeltanBrd::VeltanBrd1TurnSettled(TVeltanBrdKernel&)
{
    // Players who could not move have been passed over and the turn may have
    // gone to the other team: the status line, the running clock and the
    // yellow pieces follow whoever is to move now. After the last move of a
    // game everything stays as that move left it.
    UpdateGameSettings();
    _unsavedMoves = true;
    KeepUnfinishedGame();
    // The marks of the last move leave the squares of the move before.
    if (VeltanBrd1->ShowLastMove())
        VeltanBrd1->Paint();
    if (VeltanBrd1->GameEnded())
        return;
    if (VeltanBrd1->TimeLeftWhite() > 0 && VeltanBrd1->TimeLeftBlack() > 0)
        ShowClocks();
    if (VeltanBrd1->PaintBoardCurrentTeamPlayer())
        VeltanBrd1->Paint();
}

void TFrmVeltanBrd::VeltanBrd1Draw(TVeltanBrdKernel&)
{
    // The game ends here and now: no clock may run while the box is open, and
    // the final position and history stay on the board to be looked at.
    if (!VeltanBrd1->GameEnded())
        VeltanBrd1->SetGameEnded(true);
    SetClockRunning(false);
    ShowMessage(QStringLiteral("Draw"), QMessageBox::Information);
}

void TFrmVeltanBrd::VeltanBrd1MouseDown(TVeltanBrd&, Qt::MouseButton, Qt::KeyboardModifiers, int, int)
{
    VeltanBrd1->SetPaintBoardLegalSquares(true);
    VeltanBrd1->Paint();
}

void TFrmVeltanBrd::VeltanBrd1MouseUp(TVeltanBrd&, Qt::MouseButton, Qt::KeyboardModifiers, int, int)
{
    VeltanBrd1->Paint();
}

void TFrmVeltanBrd::SetStatusText(const QString& text)
{
    _statusText = text;
    FitStatusText();
}

void TFrmVeltanBrd::FitStatusText()
{
    // A line longer than the panel's fonts were chosen for (an online game
    // names its players and its troubles) stops short of White's clock.
    SetElidedPanelText(*ui->LblStatusMovesLeftInTurn, _statusText, ui->LblTimeLeftWhite->x() - ClockGap);
}

void TFrmVeltanBrd::ShowMessage(const QString& text, QMessageBox::Icon icon)
{
    UserDialogs().ShowMessage(this, ApplicationTitle(), text, icon);
}
