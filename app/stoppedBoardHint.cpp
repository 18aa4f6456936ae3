#include "stoppedBoardHint.h"

#include <QEvent>
#include <QWidget>

TStoppedBoardHint::TStoppedBoardHint(QWidget& board, std::function<void()> pressed, QObject* parent)
    : QObject(parent), _board(board), _pressed(std::move(pressed))
{
    // A disabled widget's own handlers never see the mouse; its event filters do.
    _board.installEventFilter(this);
}

bool TStoppedBoardHint::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &_board && event->type() == QEvent::MouseButtonPress && !_board.isEnabled() && _pressed)
        _pressed();
    return QObject::eventFilter(watched, event);
}
