// Asking the computer player for a move whenever it is its turn.

#include "veltanbrd.h"

namespace {

constexpr int ComputerTurnInterval = 500;

} // namespace

bool TVeltanBrd::ComputerTurnDue() const
{
    const bool computerToMove =
        (ComputerPlaysBlack() && !WhiteToMove()) || (ComputerPlaysWhite() && WhiteToMove());
    return !stopThinking && CustomEngine() && computerToMove && !_loading;
}

void TVeltanBrd::CheckComputerTurn()
{
    if (ComputerTurnDue())
        Think();
}

void TVeltanBrd::StartComputerTurnTimer()
{
    if (_computerTurnTimer.isActive())
        return;
    _computerTurnTimer.setInterval(ComputerTurnInterval);
    connect(&_computerTurnTimer, &QTimer::timeout, this, &TVeltanBrd::CheckComputerTurn,
            Qt::UniqueConnection);
    _computerTurnTimer.start();
}

bool TVeltanBrd::event(QEvent* event)
{
    const bool handled = QWidget::event(event);
    // Whatever the board has just handled may have made it the computer's turn.
    CheckComputerTurn();
    return handled;
}
