// The team clocks: the 100 ms step of the team to move, the increment after
// each move, the flag fall and the two clock labels.

#include <QLabel>
#include <algorithm>

#include "VeltanGUI.h"
#include "clockText.h"
#include "panelLabel.h"
#include "ui_VeltanGUI.h"
#include "veltanbrd.h"
#include "windowFit.h"

namespace {

constexpr double MillisecondsPerDay = 86'400'000.0;

QString TeamClockText(const char* team, double days)
{
    return QString::fromLatin1(team) + ClockText(days);
}

} // namespace

void TFrmVeltanBrd::TimerClockTimer()
{
    ItsShowTime();
}

void TFrmVeltanBrd::SetClockRunning(bool run)
{
    // Starting a running timer again would throw away the part of the
    // interval already gone, and every move would cost the mover nothing.
    if (!run)
        TimerClock.stop();
    else if (!TimerClock.isActive())
        TimerClock.start();
}

void TFrmVeltanBrd::ItsShowTime()
{
    TVeltanBrd& board = *VeltanBrd1;
    if (TimerClock.isActive()) {
        // Each step takes exactly one interval off, however late it comes:
        // time the program spends busy costs the team nothing.
        const double step = TimerClock.interval() / MillisecondsPerDay;
        const bool white = board.WhiteToMove();
        if (white)
            board.SetTimeLeftWhite(board.TimeLeftWhite() - step);
        else
            board.SetTimeLeftBlack(board.TimeLeftBlack() - step);
        const double left = white ? board.TimeLeftWhite() : board.TimeLeftBlack();
        if (left < 0) {
            // The loss is part of the game's record, so a saved or kept game
            // still knows how it ended.
            board.LoseOnTime(white);
            // Stopped before the box opens, so no further step happens behind it.
            SetClockRunning(false);
            ShowMessage(white ? QStringLiteral("White lost on time!") : QStringLiteral("Black lost on time!"),
                        QMessageBox::NoIcon);
            if (white)
                SetClockLabel(*ui->LblTimeLeftWhite, TeamClockText("White ", 0.0));
            else
                SetClockLabel(*ui->LblTimeLeftBlack, TeamClockText("Black ", 0.0));
        }
    }
    if (!board.GameEnded() && board.TimeLeftWhite() > 0 && board.TimeLeftBlack() > 0)
        ShowClocks();
}

void TFrmVeltanBrd::ClockStepsAfterMove()
{
    // Called before the board passes the turn on: the side to move is the mover.
    TVeltanBrd& board = *VeltanBrd1;
    const bool white = board.WhiteToMove();
    if (white)
        board.SetTimeLeftWhite(board.TimeLeftWhite() + board.TimeIncrementWhite());
    SetClockLabel(*ui->LblTimeLeftBlack, TeamClockText("Black ", board.TimeLeftBlack()));
    SetClockLabel(*ui->LblTimeLeftWhite, TeamClockText("White ", board.TimeLeftWhite()));
    if (!white)
        board.SetTimeLeftBlack(board.TimeLeftBlack() + board.TimeIncrementBlack());
    if (board.LastMove >= 0 && board.LastMove <= MaxHistoryMoves)
        board.MoveList[static_cast<std::size_t>(board.LastMove)].TimeLeft =
            white ? board.TimeLeftWhite() : board.TimeLeftBlack();
}

void TFrmVeltanBrd::ShowClocks()
{
    SetClockLabel(*ui->LblTimeLeftWhite, TeamClockText("White ", VeltanBrd1->TimeLeftWhite()));
    SetClockLabel(*ui->LblTimeLeftBlack, TeamClockText("Black ", VeltanBrd1->TimeLeftBlack()));
}

void TFrmVeltanBrd::SetClockLabel(QLabel& label, const QString& text)
{
    SetLabelText(label, text);
    // Either clock's width moves both: they share the right end of the panel.
    QLabel& white = *ui->LblTimeLeftWhite;
    QLabel& black = *ui->LblTimeLeftBlack;
    const TClockPlaces places = PlaceClocks(ui->Panel4->width(), white.width(), black.width(), _panelFonts);
    if (white.x() != places.white) {
        white.move(places.white, white.y());
        FitStatusText();
    }
    if (black.x() != places.black)
        black.move(places.black, black.y());
}

void TFrmVeltanBrd::SetLabelText(QLabel& label, const QString& text)
{
    label.setText(text);
    FitPanelLabel(label);
}
