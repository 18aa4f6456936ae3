// A piece being dragged: which squares accept it, the drop, and giving up.

#include <QApplication>

#include "veltanbrd.h"

bool TVeltanBrd::DragOver(int x, int y)
{
    bool accept = false;
    if (OnDragOver)
        OnDragOver(*this, x, y, accept);
    const Square sq = WindowToSquare(x, y);
    _LastAbandonedSquare = sq;
    _PaintBoardLegalSquares = true;
    _dragPosition = QPoint(x, y);
    // Back on its own square is always allowed (and makes no move). Nothing is
    // accepted while the computer thinks. The board only ever adds acceptance.
    if (!Thinking() && IsBoardSquare(sq) && (sq == SquareClick1 || MoveIsLegal(SquareClick1, sq)))
        accept = true;
    _dropAccepted = accept;
    setCursor(accept ? _dragCursor : QCursor(Qt::ForbiddenCursor));
    return accept;
}

void TVeltanBrd::DragDrop(int x, int y)
{
    _PaintBoardLegalSquares = false;
    if (OnDragDrop)
        OnDragDrop(*this, x, y);
    SquareClick2 = WindowToSquare(x, y);
    if (SquareClick2 != SquareClick1 && IsBoardSquare(SquareClick2))
        move(SquareClick1, SquareClick2);
    else
        DrawPieceOnSquare(SquareClick1, PieceOn(SquareClick1));
    // The green destinations go, whatever the move did.
    RepaintWithoutFitting();
    DrawBoardLines();
}

void TVeltanBrd::DragAborted()
{
    DrawPieceOnSquare(SquareClick1, PieceOn(SquareClick1));
    // The piece is back where it was: its destinations are no longer wanted.
    ClearLegalSquares();
    if (OnIllegalMove)
        OnIllegalMove(*this, SquareClick1);
}

void TVeltanBrd::ClearLegalSquares()
{
    if (!_PaintBoardLegalSquares)
        return;
    _PaintBoardLegalSquares = false;
    RepaintWithoutFitting();
    DrawBoardLines();
}

void TVeltanBrd::EndDrag(int x, int y, bool dropped)
{
    if (OnEndDrag)
        OnEndDrag(*this, x, y, dropped);
}

void TVeltanBrd::FinishDragPhase()
{
    const bool wasDragging = _dragPhase == TDragPhase::Dragging;
    _dragPhase = TDragPhase::Idle;
    if (wasDragging) {
        setCursor(_cursorBeforeDrag);
        qApp->removeEventFilter(this);
    }
}

void TVeltanBrd::CancelDrag()
{
    if (_dragPhase == TDragPhase::Idle)
        return;
    FinishDragPhase();
    DragAborted();
    EndDrag(_dragPosition.x(), _dragPosition.y(), false);
}
