#pragma once
// A press on the board while play is stopped: the board itself takes no mouse
// input then, so without a word the player would not know why nothing moves.

#include <QObject>
#include <functional>

class QWidget;

/// Watches a widget and calls `pressed` for every mouse press it gets while
/// it is disabled. Owned by `parent`; watches `board` for its own lifetime.
class TStoppedBoardHint : public QObject {
    Q_OBJECT

public:
    TStoppedBoardHint(QWidget& board, std::function<void()> pressed, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& _board;
    std::function<void()> _pressed;
};
