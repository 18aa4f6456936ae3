// The active piece set and drawing pieces on the board or on any painter.

#include <QPainter>
#include <algorithm>

#include "pieceResources.h"
#include "sharperPieceSets.h"
#include "veltanbrd.h"

void TVeltanBrd::LoadDefaultPieceSet()
{
    EnsurePieceResources();
    _defaultPieceSet = QImage(BuiltInPieceSetPath);
    _defaultPieces = TPieceSet(_defaultPieceSet);
    _defaultSharper = {};
}

void TVeltanBrd::BuildPieceImages()
{
    // Both sets were cut when they arrived; choosing one costs nothing, and
    // pieces are scaled only when their size on the screen changes.
    _activePieces = _customPieces.Empty() ? &_defaultPieces : &_customPieces;
    _piecesStale = true;
}

void TVeltanBrd::LoadSharperPieces(int devicePixels)
{
    const bool custom = _activePieces == &_customPieces;
    TSharperLoading& loading = custom ? _customSharper : _defaultSharper;
    const int cell = _activePieces->PieceSize();
    if (cell <= 0 || devicePixels <= cell * loading.loadedScale)
        return;
    if (!loading.recognised) {
        loading.recognised = true;
        loading.source = CommittedSourceOf(custom ? _custompieceset : _defaultPieceSet);
    }
    if (!loading.source)
        return;
    // Only the scales up to the first large enough are read.
    for (const int scale : SharperScales) {
        if (scale <= loading.loadedScale)
            continue;
        _activePieces->AddSharperSheet(scale, SharperSheet(*loading.source, scale));
        loading.loadedScale = scale;
        if (devicePixels <= cell * scale)
            break;
    }
}

void TVeltanBrd::PreparePieces()
{
    const int size = DevicePieceSize();
    LoadSharperPieces(size);
    _activePieces->PrepareSize(size);
    _piecesStale = false;
}

QImage TVeltanBrd::PieceImage(char piece, int devicePixels)
{
    LoadSharperPieces(devicePixels);
    return _activePieces->ImageAt(piece, devicePixels);
}

void TVeltanBrd::SetCustomPieceSet(const QImage& value)
{
    if (value.isNull()) {
        _custompieceset = QImage();
        _customPieces = TPieceSet();
    } else if (TPieceSet::HasPieceSetShape(value)) {
        _custompieceset = value;
        _customPieces = TPieceSet(value);
        _customSharper = {};
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
    const int size = _activePieces->PreparedSize();
    const int offset = (_geometry.square - size) / 2;
    const QPoint at = _geometry.SquareOrigin(sq) + QPoint(offset, offset);
    _activePieces->DrawSized(painter, at.x(), at.y(), letter);
    return {at, QSize(size, size)};
}

void TVeltanBrd::DrawPieceOnSquare(Square sq, char letter)
{
    if (_canvas.isNull() || !IsBoardSquare(sq))
        return;
    if (letter == ' ') {
        ClearSquare(sq);
        return;
    }
    if (_piecesStale)
        PreparePieces();
    QPainter painter(&_canvas);
    const QRect drawn = DrawPieceAt(painter, sq, letter);
    MarkLinesOverdrawn(drawn);
    UpdateArea(drawn);
}

void TVeltanBrd::DrawAllPieces()
{
    if (_canvas.isNull())
        return;
    if (_piecesStale)
        PreparePieces();
    QPainter painter(&_canvas);
    for (int sq = 1; sq <= SquareCount; ++sq) {
        const char letter = PieceOn(static_cast<Square>(sq));
        if (letter != ' ')
            DrawPieceAt(painter, static_cast<Square>(sq), letter);
    }
    MarkLinesOverdrawn(_geometry.GridRect());
    update();
}
