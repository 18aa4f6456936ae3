#pragma once
// Where the main window and its parts go on a screen of any size and ratio.
// Pure arithmetic over sizes and rectangles, so it is tested without windows.

#include <QMargins>
#include <QRect>
#include <QSize>

/// The client area as laid out: the board, and the panel that holds the
/// status line and the clocks, in logical pixels of the client area.
struct TClientLayout {
    QRect board;
    QRect statusPanel;
};

/// The client area the main window is drawn for (the board 816 pixels wide).
inline constexpr QSize DesignClientSize{876, 931};
/// The board's distance from the left, top and right edges of the client area.
inline constexpr int BoardLeftMargin = 27;
inline constexpr int BoardTopMargin = 25;
inline constexpr int BoardRightMargin = 33;
/// The panel of the status line and the clocks along the bottom edge.
inline constexpr int StatusPanelHeight = 27;
/// Distance of the clocks' left edges from the right edge of the client area.
inline constexpr int WhiteClockFromRight = 276;
inline constexpr int BlackClockFromRight = 150;
/// Room left free between the board and the status panel at the designed
/// size; it is the first to go when the window is short.
inline constexpr int DesignGapBelowBoard = 63;

/// The board as the largest square of whole device-pixel squares (border
/// `border` logical pixels, `ratio` device pixels per logical pixel) that
/// fits between the margins above the status panel, centred across; down
/// the client area it is centred in the room less the gap kept below it. At
/// DesignClientSize and ratio 1 this is the designed layout: the board at
/// (27, 25), 816 pixels wide.
TClientLayout LayOutClient(QSize client, int border, double ratio);

/// The smallest client area: wide enough for the status line and both clocks
/// side by side (statusAndClocksWidth, from the status panel's left edge),
/// high enough for a board of minBoardSide.
QSize MinimumClientSize(int statusAndClocksWidth, int minBoardSide);

/// The client size that holds a board of `boardSide`: the margins around it,
/// the gap and the status panel below.
QSize ClientSizeForBoard(int boardSide);

/// Where a window opens: `wanted` client size (menu included) when it fits
/// the available area of its screen with the frame's margins, else the
/// largest size that does (never below `minimum`), centred in that area and
/// never starting above or left of it. Answers the client rectangle, frame excluded.
QRect PlaceWindow(QSize wanted, QSize minimum, QMargins frame, QRect available);
