// Press, move and release over the board: picking up a piece, the drag
// distance, and the corner resize. Hovering and dropping are in dragAndDrop.cpp.

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "veltanbrd.h"

void TVeltanBrd::mousePressEvent(QMouseEvent* event)
{
    // Another button pressed while a piece is held changes nothing.
    if (_dragPhase != TDragPhase::Idle)
        return;
    PressOnBoard(*event);
}

void TVeltanBrd::PressOnBoard(const QMouseEvent& event)
{
    const QPoint at = event.position().toPoint();
    _PaintBoardLegalSquares = true;
    const Square sq = WindowToSquare(at.x(), at.y());
    _LastAbandonedSquare = sq;
    _clickPending = event.button() == Qt::LeftButton;
    if (OnMouseDown)
        OnMouseDown(*this, event.button(), event.modifiers(), at.x(), at.y());

    // Any piece can be picked up, whoever owns it: only the drop decides.
    if (!IsBoardSquare(sq) || PieceOn(sq) == ' ')
        return;
    SquareClick1 = sq;
    // Show the pressed piece's destinations at once, whatever the host repaints.
    PaintSquares();
    DrawAllPieces();
    if (event.button() != Qt::LeftButton)
        return;

    _dragPhase = TDragPhase::Pressed;
    _pressPosition = at;
    _dragPosition = at;
    _dropAccepted = false;
    // Once the drag is armed the press is complete: the release and click
    // notifications follow now, and the release that ends the drag is the
    // drag's own.
    _resizeState = false;
    _clickPending = false;
    if (OnMouseUp)
        OnMouseUp(*this, event.button(), event.modifiers(), at.x(), at.y());
    if (OnClick)
        OnClick(*this);
}

void TVeltanBrd::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    switch (_dragPhase) {
    case TDragPhase::Pressed:
        if ((at - _pressPosition).manhattanLength() < QApplication::startDragDistance())
            return;
        _dragPhase = TDragPhase::Dragging;
        _cursorBeforeDrag = cursor();
        // Escape must reach the board wherever the keyboard focus is; watching
        // the application's keys works where grabbing the keyboard is not offered.
        qApp->installEventFilter(this);
        if (OnStartDrag)
            OnStartDrag(*this, SquareClick1);
        DragOver(at.x(), at.y());
        return;
    case TDragPhase::Dragging:
        DragOver(at.x(), at.y());
        return;
    case TDragPhase::Idle:
        break;
    }
    if (OnMouseMove)
        OnMouseMove(*this, event->modifiers(), at.x(), at.y());
    UpdateCornerResize(*event);
}

void TVeltanBrd::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (_dragPhase != TDragPhase::Idle) {
        // Only the button that picked the piece up puts it down.
        if (event->button() != Qt::LeftButton)
            return;
        const bool dragged = _dragPhase == TDragPhase::Dragging;
        // The drop is judged once more where the button comes up, and never
        // outside the board whatever an OnDragOver handler said.
        const bool accepted = dragged && DragOver(at.x(), at.y()) && rect().contains(at);
        FinishDragPhase();
        if (accepted)
            DragDrop(at.x(), at.y());
        else
            DragAborted();
        EndDrag(at.x(), at.y(), accepted);
        return;
    }
    // A press that picked nothing up (another button, an empty square) leaves nothing green.
    ClearLegalSquares();
    if (OnMouseUp)
        OnMouseUp(*this, event->button(), event->modifiers(), at.x(), at.y());
    _resizeState = false;
    const bool click = _clickPending && event->button() == Qt::LeftButton && rect().contains(at);
    _clickPending = false;
    if (click && OnClick)
        OnClick(*this);
}

bool TVeltanBrd::eventFilter(QObject* watched, QEvent* event)
{
    if (_dragPhase == TDragPhase::Dragging && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        CancelDrag();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TVeltanBrd::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && _dragPhase != TDragPhase::Idle) {
        CancelDrag();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TVeltanBrd::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // A board that can no longer take the mouse loses the piece it was holding.
    const bool lost = (event->type() == QEvent::EnabledChange && !isEnabled()) ||
                      (event->type() == QEvent::ActivationChange && !isActiveWindow());
    if (lost)
        CancelDrag();
}

void TVeltanBrd::UpdateCornerResize(const QMouseEvent& event)
{
    const QPoint at = event.position().toPoint();
    const Qt::CursorShape shape = cursor().shape();
    if (shape != Qt::SizeVerCursor && shape != Qt::SizeHorCursor && shape != Qt::SizeFDiagCursor)
        _oldCursor = cursor();
    if (_resizable && InCornerZone(size(), at)) {
        setCursor(Qt::SizeFDiagCursor);
        if (event.buttons() & Qt::LeftButton)
            _resizeState = true;
    } else if (_resizable && !_resizeState) {
        setCursor(_oldCursor);
    }
    if (_resizable && _resizeState) {
        // Only the width follows the pointer; the next full repaint makes the
        // board square again from the average of width and height.
        const int newWidth = CornerResizeWidth(at, _ResizeMinSize, _ResizeMaxSize);
        // A host that sizes the board resizes it, and its own window with it.
        if (newWidth != width()) {
            if (OnResizeRequest)
                OnResizeRequest(*this, newWidth);
            else
                resize(newWidth, height());
        }
    }
}
