// Asking the computer player for a move whenever it is its turn.

#include "veltanbrd.h"

namespace {

constexpr int ComputerTurnInterval = 500;

} // namespace

bool TVeltanBrd::ComputerTurnDue() const
{
    if (stopThinking || !ComputerToMove() || _loading)
        return false;
    // The host's engine is asked again on every check; the search is started
    // once and then left alone until its move has been played.
    return CustomEngine() || (!GameEnded() && !Thinking());
}

void TVeltanBrd::ComputerMoveFound()
{
    // Called on the search thread: the move is made on the board's own
    // thread, in turn with the user's input. The call is dropped with the
    // board if it goes away first. A weak step's move waits a moment, so it
    // never appears the instant the user has moved; a move whose search was
    // cancelled meanwhile is never played.
    QMetaObject::invokeMethod(
        this,
        [this] {
            const std::chrono::milliseconds wait = ComputerMoveWait();
            if (wait.count() == 0) {
                PlayComputerMove();
                return;
            }
            QTimer::singleShot(wait, this, [this, search = SearchNumber()] {
                if (SearchNumber() == search)
                    PlayComputerMove();
            });
        },
        Qt::QueuedConnection);
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
