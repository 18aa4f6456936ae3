#pragma once
// Helpers shared by the board's GUI tests: reading the canvas, placing pieces,
// the main window's look, and a dialogs double that never blocks.

#include <QImage>
#include <QString>
#include <string>
#include <utility>
#include <vector>

#include "userDialogs.h"
#include "veltanbrd.h"

/// The board with the game's drawing hooks reachable from tests.
class TTestBoard : public TVeltanBrd {
public:
    using TVeltanBrd::DrawBoardLines;
    using TVeltanBrd::DrawPieceOnSquare;
    using TVeltanBrd::RedrawBoard;
    using TVeltanBrd::TVeltanBrd;
};

/// The colour of a canvas pixel as 0x00BBGGRR; 0xFFFFFFFF outside the canvas.
TColor CanvasColor(const TVeltanBrd& board, int x, int y);
inline TColor CanvasColor(const TVeltanBrd& board, QPoint at)
{
    return CanvasColor(board, at.x(), at.y());
}

/// A pixel of a square clear of grid lines and of pieces up to 44 pixels: two in from its top-left corner.
QPoint SquareSamplePoint(const TVeltanBrd& board, Square sq);
/// The pixel at the centre of a square.
QPoint SquareCentre(const TVeltanBrd& board, Square sq);

/// One piece placed for a test: square, letter, owner.
struct TPlaced {
    Square square;
    char piece;
    char owner = '1';
};

/// Starts a running game (board enabled) on exactly the given pieces, White to move.
void SetUpGame(TVeltanBrd& board, const std::vector<TPlaced>& pieces, int movesPerTeamTurn = 1,
               int playersPerTeam = 1);

/// The squares the rules accept as destinations of `from` right now.
std::vector<Square> Destinations(const TVeltanBrd& board, Square from);

/// The main window's settings for its board: 816 x 816, squares 48, border 24,
/// its colours, resizable. Applied while loading; ends with a full Paint.
void ApplyMainWindowLook(TVeltanBrd& board);

/// A piece-set sheet of the resources, e.g. "ImageFr80" or "SETKORLAN40".
QImage ResourcePieceSet(const QString& name);

/// A sheet of cell x cell pieces whose pictures are solid colours, one per
/// piece (PieceColour), and whose masks are fully opaque.
QImage SolidPieceSet(int cell);
/// The colour SolidPieceSet gives the piece of image number index (0..13).
QRgb PieceColour(int index);

/// Records every message instead of showing it; file dialogs answer "cancelled".
class TRecordingDialogs : public TUserDialogs {
public:
    struct TMessage {
        QString caption;
        QString text;
    };
    std::vector<TMessage> messages;

    void ShowMessage(QWidget*, const QString& caption, const QString& text, QMessageBox::Icon) override
    {
        messages.push_back({caption, text});
    }
    QString GetSaveFileName(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString GetOpenFileName(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
};
