// The active piece set and drawing pieces on the board or on any painter.

#include <QPainter>
#include <algorithm>

#include "pieceResources.h"
#include "veltanbrd.h"

void TVeltanBrd::LoadDefaultPieceSet()
{
    EnsurePieceResources();
    _defaultPieceSet = QImage(BuiltInPieceSetPath);
    _defaultPieces = TPieceSet(_defaultPieceSet);
}

void TVeltanBrd::BuildPieceImages()
{
    // Both sets were cut when they arrived; choosing one costs nothing, so a
    // repaint never cuts or scales an image.
    _activePieces = _customPieces.Empty() ? &_defaultPieces : &_customPieces;
}

void TVeltanBrd::SetCustomPieceSet(const QImage& value)
{
    if (value.isNull()) {
        _custompieceset = QImage();
        _customPieces = TPieceSet();
    } else if (TPieceSet::HasPieceSetShape(value)) {
        _custompieceset = value;
        _customPieces = TPieceSet(value);
    } else {
        return;
    }
    BuildPieceImages();
    Paint();
}

void TVeltanBrd::DrawVeltanbrdPiece(QPainter& canvas, int x, int y, char piece) const
{
    _activePieces->Draw(canvas, x, y, piece);
}

QRect TVeltanBrd::DrawPieceAt(QPainter& painter, Square sq, char letter) const
{
    // Centred in the square; a piece larger than the square reaches into its
    // neighbours (and the border) by the same amount on each side.
    const int offset = (_geometry.square - PieceSize()) / 2;
    const QPoint at = _geometry.SquareOrigin(sq) + QPoint(offset, offset);
    _activePieces->Draw(painter, at.x(), at.y(), letter);
    return {at, QSize(PieceSize(), PieceSize())};
}

void TVeltanBrd::DrawPieceOnSquare(Square sq, char letter)
{
    if (_canvas.isNull() || !IsBoardSquare(sq))
        return;
    if (letter == ' ') {
        ClearSquare(sq);
        return;
    }
    QPainter painter(&_canvas);
    const QRect drawn = DrawPieceAt(painter, sq, letter);
    MarkLinesOverdrawn(drawn);
    UpdateArea(drawn);
}

void TVeltanBrd::DrawAllPieces()
{
    if (_canvas.isNull())
        return;
    QPainter painter(&_canvas);
    for (int sq = 1; sq <= SquareCount; ++sq) {
        const char letter = PieceOn(static_cast<Square>(sq));
        if (letter != ' ')
            DrawPieceAt(painter, static_cast<Square>(sq), letter);
    }
    MarkLinesOverdrawn(_geometry.GridRect());
    update();
}
