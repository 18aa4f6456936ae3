#pragma once
// The on-screen board: a widget that is also the game (TVeltanBrdKernel).
//
// Everything is drawn on a canvas image the size of the widget in device
// pixels (the widget's devicePixelRatioF() times its size); paintEvent only
// copies that canvas to the screen, so a full repaint, a single square and a
// piece drawn by the game all end up in the same picture, which tests read back.
// Squares are whole device pixels at every ratio, and the mouse is mapped to
// squares through that same device geometry.
// The user moves a piece by pressing on it, dragging it past the platform's drag
// distance and releasing it on a legal destination.

#include <QCursor>
#include <QFont>
#include <QImage>
#include <QPen>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>

#include "boardGeometry.h"
#include "boardTexture.h"
#include "coordSet.h"
#include "pieceSet.h"
#include "platformColor.h"
#include "sharperPieceSets.h"
#include "veltanbrdKernel.h"

class TVeltanBrd;

/// A mouse button pressed or released over the board, at board pixel (X, Y).
using TBoardMouseEvent = std::function<void(TVeltanBrd& Sender, Qt::MouseButton Button,
                                            Qt::KeyboardModifiers Shift, int X, int Y)>;
/// The pointer moved over the board (or anywhere while a button pressed on it is held).
using TBoardMouseMoveEvent =
    std::function<void(TVeltanBrd& Sender, Qt::KeyboardModifiers Shift, int X, int Y)>;
/// A plain notification from the board.
using TBoardNotifyEvent = std::function<void(TVeltanBrd& Sender)>;
/// A piece dragged from From has passed the drag distance.
using TBoardStartDragEvent = std::function<void(TVeltanBrd& Sender, Square From)>;
/// A dragged piece is over (X, Y); the handler may set Accept to allow a drop there.
using TBoardDragOverEvent = std::function<void(TVeltanBrd& Sender, int X, int Y, bool& Accept)>;
/// A dragged piece was dropped where a drop is accepted.
using TBoardDragDropEvent = std::function<void(TVeltanBrd& Sender, int X, int Y)>;
/// A drag ended, with a drop (Dropped) or abandoned.
using TBoardEndDragEvent = std::function<void(TVeltanBrd& Sender, int X, int Y, bool Dropped)>;
/// The corner drag asks for a board Side logical pixels wide.
using TBoardResizeRequestEvent = std::function<void(TVeltanBrd& Sender, int Side)>;

/// The board component: game kernel plus its view.
///
/// Sizes are clamped when set: square edge 0..MaxSquareSize (200), border
/// 0..MaxBorderSize (200), resize bounds 0..MaxBoardSide; every full Paint fits
/// the widget to 16 whole squares inside the border.
class TVeltanBrd : public QWidget, public TVeltanBrdKernel {
    Q_OBJECT

public:
    /// The game's move; QWidget's own move(x, y) stays reachable as QWidget::move.
    using TVeltanBrdKernel::move;

    /// A new board, 688 x 688, squares 40, border 24, the built-in 40-pixel
    /// piece set, disabled (the game starts ended). Nothing is drawn until the
    /// first Paint; showing the board, or resizing it, asks for one.
    explicit TVeltanBrd(QWidget* parent = nullptr);
    ~TVeltanBrd() override;

    // ---- Loading stored settings ---------------------------------------------

    /// While true, Paint draws nothing, so a host can apply its stored settings
    /// one by one after construction. Ending it asks for one full repaint.
    bool Loading() const { return _loading; }
    void SetLoading(bool value);

    // ---- Appearance settings (setters that repaint call Paint at once) -------

    /// Inner grid lines on (stores, repaints).
    bool BoardLines() const { return _boardlines; }
    void SetBoardLines(bool value);
    /// Texture of the border ring, tiled from the board's origin; a null image
    /// means the border colour (copies, repaints).
    const QImage& BorderBitmap() const { return _borderBitmap.Image(); }
    void SetBorderBitmap(const QImage& value);
    /// Colour of the border ring, 0x00BBGGRR (stores, repaints).
    TColor BorderColor() const { return _bordercolor; }
    void SetBorderColor(TColor value);
    /// Font kept for the coordinates. Drawing always uses a 7-point bold
    /// "Courier New" in black; only its other attributes carry over.
    const QFont& CoordFont() const { return _coordFont; }
    void SetCoordFont(const QFont& value);
    /// Colour kept with the coordinate font (stores, repaints; the text itself is drawn black).
    TColor CoordFontColor() const { return _coordFontColor; }
    void SetCoordFontColor(TColor value);
    /// The host's piece set. A null image empties it (the built-in set comes
    /// back); an image of piece-set shape (7 : 4, cells up to MaxPieceCell) is
    /// copied, cut and shown; anything else is ignored.
    const QImage& CustomPieceSet() const { return _custompieceset; }
    void SetCustomPieceSet(const QImage& value);
    /// Sides that show file letters and rank numbers (stores, repaints).
    CoordSet DisplayCoords() const { return _displayCoords; }
    void SetDisplayCoords(CoordSet value);
    /// Pen of the frame outlines; its colour (and width, style) also draws the
    /// grid. Widths are clamped to 0..MaxLineWidth (copies, repaints).
    const QPen& LineStyle() const { return _lineStyle; }
    void SetLineStyle(const QPen& value);
    /// Dragging the bottom-right corner resizes the board (stores).
    bool Resizable() const { return _resizable; }
    void SetResizable(bool value) { _resizable = value; }
    /// Smallest width a corner resize sets; stored as at most ResizeMaxSize.
    int ResizeMinSize() const { return _ResizeMinSize; }
    void SetResizeMinSize(int value);
    /// Largest width a corner resize sets; stored as at least ResizeMinSize.
    int ResizeMaxSize() const { return _ResizeMaxSize; }
    void SetResizeMaxSize(int value);
    /// Width of the border ring in logical pixels; the widget's width becomes
    /// 16 * square + 2 * border (no repaint).
    int SizeOfBorder() const { return _sizeOfBorder; }
    void SetSizeOfBorder(int value);
    /// Edge of one square in logical pixels (rounded where the ratio is
    /// fractional); the widget's width becomes 16 * square + 2 * border (no
    /// repaint). Every Paint recomputes it from the widget's size.
    int SizeOfSquare() const { return _sizeOfSquare; }
    void SetSizeOfSquare(int value);
    /// The square size the piece set is drawn for: pieces are scaled by
    /// SizeOfSquare / value, so they grow and shrink with a board its window
    /// sizes. 0 (the default) draws them at the set's own size on any square.
    /// Clamped to 0..MaxSquareSize (stores; shows at the next repaint).
    int PieceScaleSquare() const { return _pieceScaleSquare; }
    void SetPieceScaleSquare(int value);
    /// Base colour of the dark squares (stores, repaints).
    TColor SquareColorDark() const { return _squareColorDark; }
    void SetSquareColorDark(TColor value);
    /// Base colour of the light squares (stores, repaints).
    TColor SquareColorLight() const { return _squareColorLight; }
    void SetSquareColorLight(TColor value);
    /// Legal-destination colour of the light squares (stores, repaints).
    TColor SquareColorDarkGreen() const { return _squareColorDarkGreen; }
    void SetSquareColorDarkGreen(TColor value);
    /// Legal-destination colour of the dark squares (stores, repaints).
    TColor SquareColorLightGreen() const { return _squareColorLightGreen; }
    void SetSquareColorLightGreen(TColor value);
    /// Current-player colour of the light squares (stores only; shows at the next repaint).
    TColor SquareColorDarkYellow() const { return _squareColorDarkYellow; }
    void SetSquareColorDarkYellow(TColor value) { _squareColorDarkYellow = value & ColorValueMask; }
    /// Current-player colour of the dark squares (stores, repaints).
    TColor SquareColorLightYellow() const { return _squareColorLightYellow; }
    void SetSquareColorLightYellow(TColor value);
    /// Last-move colour of the light squares (stores only; shows at the next repaint).
    TColor SquareColorDarkLastMove() const { return _squareColorDarkLastMove; }
    void SetSquareColorDarkLastMove(TColor value) { _squareColorDarkLastMove = value & ColorValueMask; }
    /// Last-move colour of the dark squares (stores only; shows at the next repaint).
    TColor SquareColorLightLastMove() const { return _squareColorLightLastMove; }
    void SetSquareColorLightLastMove(TColor value) { _squareColorLightLastMove = value & ColorValueMask; }
    /// Texture of the dark squares instead of their colour (copies, repaints).
    const QImage& SquareDark() const { return _squareDark.Image(); }
    void SetSquareDark(const QImage& value);
    /// Texture of the light squares instead of their colour (copies, repaints).
    const QImage& SquareLight() const { return _squareLight.Image(); }
    void SetSquareLight(const QImage& value);
    /// Kept and copied, never drawn: highlights are always solid (copies, repaints).
    const QImage& SquareDarkGreen() const { return _squareDarkGreen; }
    void SetSquareDarkGreen(const QImage& value);
    /// Kept and copied, never drawn (copies, repaints).
    const QImage& SquareLightGreen() const { return _squareLightGreen; }
    void SetSquareLightGreen(const QImage& value);
    /// false: A16 top left; true: the board turned by 180 degrees, P01 top left (stores, repaints).
    bool WhiteOnTop() const { return _geometry.whiteOnTop; }
    void SetWhiteOnTop(bool value);
    /// Always empty; setting it has no effect.
    QString Version() const { return {}; }
    void SetVersion(const QString&) {}
    /// Cursor shown while a dragged piece is over a square that accepts it.
    const QCursor& DragCursor() const { return _dragCursor; }
    void SetDragCursor(const QCursor& value) { _dragCursor = value; }

    // ---- Highlight state (stored only, read by the next repaint) -------------

    /// Paint the legal destinations of lastAbandonedSquare in green.
    bool PaintBoardLegalSquares() const { return _PaintBoardLegalSquares; }
    void SetPaintBoardLegalSquares(bool value) { _PaintBoardLegalSquares = value; }
    /// Paint the current team player's pieces in yellow (only with more than one player per team).
    bool PaintBoardCurrentTeamPlayer() const { return _PaintBoardCurrentTeamPlayer; }
    void SetPaintBoardCurrentTeamPlayer(bool value) { _PaintBoardCurrentTeamPlayer = value; }
    /// Mark the from- and to-squares of the latest turn's moves up to the record
    /// shown, over the yellow and under the green (stores, repaints).
    bool ShowLastMove() const { return _showLastMove; }
    void SetShowLastMove(bool value);
    /// Square under the pointer at the last press or drag hover; origin of the green highlight.
    Square lastAbandonedSquare() const { return _LastAbandonedSquare; }
    void SetLastAbandonedSquare(Square value) { _LastAbandonedSquare = value; }

    // ---- View state (read only) ---------------------------------------------

    /// Set by the first Paint that draws.
    bool FirstTime() const { return _firstTime; }
    /// Edge in pixels of one cell of the active piece set.
    int PieceSize() const { return _activePieces->PieceSize(); }
    /// Edge in device pixels of a piece as the board draws it now: the set's
    /// cell at the canvas's ratio, scaled with the squares from PieceScaleSquare.
    int DevicePieceSize() const;
    /// Top-left corner of the grid; always SizeOfBorder.
    int Boardx() const { return _sizeOfBorder; }
    int Boardy() const { return _sizeOfBorder; }
    /// Device pixels per logical pixel of the canvas (the widget's ratio when
    /// last fitted, kept within MinPixelRatio..MaxPixelRatio).
    double PixelRatio() const { return _pixelRatio; }
    /// A corner resize is in progress.
    bool ResizeState() const { return _resizeState; }
    /// Square of the piece last pressed (the drag source), SqrNone before any.
    Square DragSourceSquare() const { return SquareClick1; }
    /// Square of the last accepted drop, SqrNone before any.
    Square DropSquare() const { return SquareClick2; }
    /// Border, square size and orientation in the canvas's device pixels.
    const TBoardGeometry& Geometry() const { return _geometry; }

    // ---- Geometry -------------------------------------------------------------

    /// Top-left logical pixel of a square (the first whose centre lies in it);
    /// nullopt for anything that is no square.
    std::optional<QPoint> SquareToCoords(Square sq) const;
    /// The square under the centre of a logical board pixel, or SqrNone.
    Square WindowToSquare(int x, int y) const;

    // ---- Painting -------------------------------------------------------------

    /// Full repaint: fires OnPaint, fits the widget to whole squares, draws
    /// border, coordinates, squares, highlights, grid and pieces. Does nothing
    /// while loading, while DoRefreshWindowsBoard is false, or when called from
    /// inside a repaint that is already running.
    void Paint() override;
    /// Repaints one square's base (colour or texture, and its grid lines in
    /// black), without highlight or piece. Ignores anything that is no square.
    void ClearSquare(Square sq) override;
    /// The picture of the board as last drawn, in device pixels (null before the first Paint).
    const QImage& Canvas() const { return _canvas; }
    /// Draws a piece letter's image with its top-left corner at (x, y) on any
    /// painter, at the active set's own size: A..Z white, other characters
    /// black, p n b r q k e (either case) select the piece; anything else draws nothing.
    void DrawVeltanbrdPiece(QPainter& canvas, int x, int y, char piece) const;
    /// A piece letter's image `devicePixels` wide, drawn for that size (see
    /// TPieceSet::ImageAt); null for anything that is no piece.
    QImage PieceImage(char piece, int devicePixels);

    // ---- Animation ------------------------------------------------------------

    /// Glides the image of the piece on oldSq to newSq over the parent window
    /// (over the board itself when it has no parent), one pixel per step and at
    /// least `delay` ms per step (clamped to 0..MaxAnimationStepDelay); a
    /// knight goes along x first, then along y. Blocks until done.
    void Animate(Square oldSq, Square newSq, int delay) override;

    // ---- Computer player --------------------------------------------------------

    /// True when the computer should be asked to move now: not stopped, the
    /// computer plays the side to move, not loading, and either CustomEngine
    /// is on or the game runs and no search is under way. Checked after every
    /// event of the board and every 500 ms once the board has been painted;
    /// Think runs when it holds.
    bool ComputerTurnDue() const;

    // ---- Events of the widget (an empty function is an unattached handler) ---

    /// Any button pressed on the board, before the board handles the press.
    TBoardMouseEvent OnMouseDown;
    /// A button released. For a left press that picks up a piece the press is
    /// complete once the drag is armed: OnMouseUp and OnClick follow at once,
    /// and the release that ends the drag raises OnEndDrag instead.
    TBoardMouseEvent OnMouseUp;
    /// The pointer moved while no piece is held.
    TBoardMouseMoveEvent OnMouseMove;
    /// Left press and release on the board.
    TBoardNotifyEvent OnClick;
    /// Before the board judges a hover; a handler may allow a drop the board would refuse.
    TBoardDragOverEvent OnDragOver;
    /// An accepted drop, before the move is made.
    TBoardDragDropEvent OnDragDrop;
    /// A held piece has been moved past the drag distance.
    TBoardStartDragEvent OnStartDrag;
    /// A drag ended with a drop or without one (refused, Escape, board disabled).
    TBoardEndDragEvent OnEndDrag;
    /// When set, a corner drag asks the host for a board of this side (within
    /// ResizeMinSize..ResizeMaxSize) instead of resizing the board itself, so
    /// a window that sizes the board can grow or shrink with it.
    TBoardResizeRequestEvent OnResizeRequest;

protected:
    // ---- The game's view hooks ----------------------------------------------
    void DrawPieceOnSquare(Square sq, char letter) override;
    void DrawBoardLines() override;
    void RedrawBoard() override;
    void SetControlEnabled(bool value) override;
    void PostGameEndedNotice() override;
    void ShowMessage(const std::string& text) override;
    void CopyViewOptionsFrom(const TVeltanBrdKernel& source) override;
    /// Hands the found move over to the board's thread, which plays it.
    void ComputerMoveFound() override;
    /// Shows or takes away the frames of a suggested move.
    void SuggestionChanged() override;

    // ---- Qt -------------------------------------------------------------------
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    /// Frames the squares of a suggested move over the canvas (suggestion.cpp).
    void PaintSuggestion(QPainter& painter) const;

    enum class TDragPhase { Idle, Pressed, Dragging };

    // Painting (painting.cpp, border.cpp, squares.cpp).
    void FitToSquares();
    bool EnsureCanvas();
    void QueueFullRepaint();
    void UpdateArea(const QRect& deviceArea);
    void SetDeviceGeometryFromSizes();
    bool CanvasOutdated() const;
    QPen DevicePen(const QPen& pen) const;
    void PaintBorder();
    void PaintCoordinates(QPainter& painter) const;
    void PaintOutlines(QPainter& painter) const;
    void PaintSquares();
    void PaintHighlights(QPainter& painter);
    void FillSquareBase(QPainter& painter, const QRect& rect, bool dark) const;
    void DrawGridLines(QPainter& painter, const QColor& colour, const QRect& area) const;
    void MarkLinesOverdrawn(const QRect& area);
    void RepaintWithoutFitting();

    // Pieces (pieces.cpp).
    void LoadDefaultPieceSet();
    void BuildPieceImages();
    void LoadSharperPieces(int devicePixels);
    void PreparePieces();
    void DrawAllPieces();
    QRect DrawPieceAt(QPainter& painter, Square sq, char letter) const;

    // Mouse input and dragging (mouseInput.cpp, dragAndDrop.cpp).
    void PressOnBoard(const QMouseEvent& event);
    void UpdateCornerResize(const QMouseEvent& event);
    bool DragOver(int x, int y);
    void DragDrop(int x, int y);
    void DragAborted();
    // Takes the green destinations off the board, when they are on.
    void ClearLegalSquares();
    void EndDrag(int x, int y, bool dropped);
    void FinishDragPhase();
    void CancelDrag();

    // Computer player (computerTurn.cpp).
    void StartComputerTurnTimer();
    void CheckComputerTurn();

    // Settings. The geometry is the canvas's, in device pixels; the sizes
    // below are the logical ones the host set and the fit keeps.
    TBoardGeometry _geometry{24, 40, false};
    int _sizeOfBorder = 24;
    int _sizeOfSquare = 40;
    int _pieceScaleSquare = 0;
    double _pixelRatio = 1.0;
    bool _boardlines = false;
    bool _resizable = false;
    bool _resizeState = false;
    int _ResizeMinSize = 100;
    int _ResizeMaxSize = 1000;
    CoordSet _displayCoords;
    TColor _bordercolor = 0x000000;
    TColor _squareColorDark = 0x808080;
    TColor _squareColorLight = 0xC0C0C0;
    TColor _squareColorDarkGreen = 0;
    TColor _squareColorLightGreen = 0;
    TColor _squareColorDarkYellow = 0;
    TColor _squareColorLightYellow = 0;
    TColor _squareColorDarkLastMove = PlatformRgb(255, 214, 153);
    TColor _squareColorLightLastMove = PlatformRgb(240, 160, 90);
    TColor _coordFontColor = 0x000000;
    TBoardTexture _borderBitmap;
    TBoardTexture _squareLight;
    TBoardTexture _squareDark;
    QImage _squareLightGreen;
    QImage _squareDarkGreen;
    QPen _lineStyle;
    QFont _coordFont;
    QCursor _dragCursor{Qt::DragMoveCursor};
    bool _PaintBoardLegalSquares = false;
    bool _PaintBoardCurrentTeamPlayer = false;
    bool _showLastMove = true;
    Square _LastAbandonedSquare = SqrNone;

    // Piece sets: the built-in sheet ("Default") and the host's, each cut once.
    QImage _defaultPieceSet;
    QImage _custompieceset;
    TPieceSet _defaultPieces;
    TPieceSet _customPieces;
    TPieceSet* _activePieces = &_defaultPieces;
    // The sharper drawings of a set are read when a piece is first wanted
    // larger than the sheets read so far, one scale at a time.
    struct TSharperLoading {
        bool recognised = false;
        std::optional<TSharperSource> source;
        int loadedScale = 1;
    };
    TSharperLoading _defaultSharper;
    TSharperLoading _customSharper;
    // Pieces are scaled for the screen at the next drawing, not at every setting.
    bool _piecesStale = true;

    // Painting state.
    QImage _canvas;
    bool _firstTime = false;
    bool _loading = false;
    bool _inPaint = false;
    bool _fullRepaintQueued = false;
    // Part of the grid painted over since the grid lines were last drawn.
    QRect _linesOverdrawn;

    // Mouse state.
    TDragPhase _dragPhase = TDragPhase::Idle;
    QPoint _pressPosition;
    QPoint _dragPosition;
    bool _dropAccepted = false;
    bool _clickPending = false;
    QCursor _oldCursor;
    QCursor _cursorBeforeDrag;

    QTimer _computerTurnTimer;
};
