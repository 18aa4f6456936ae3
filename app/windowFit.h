#pragma once
// Where the main window and its parts go on a screen of any size and ratio.
// Pure arithmetic over sizes and rectangles, so it is tested without windows.

#include <QMargins>
#include <QRect>
#include <QSize>
#include <functional>

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
/// Distance of the clocks' left edges from the right edge of the client area
/// with the designed fonts.
inline constexpr int WhiteClockFromRight = 276;
inline constexpr int BlackClockFromRight = 150;
/// Where the status line starts, and the least room after it and between the clocks.
inline constexpr int StatusLeft = 33;
inline constexpr int ClockGap = 8;
/// The designed pixel sizes of the status line's and the clocks' fonts, and
/// the smallest the status line's font becomes on a narrow window.
inline constexpr int StatusFontPixels = 22;
inline constexpr int ClockFontPixels = 20;
inline constexpr int MinStatusFontPixels = 8;
/// The smallest square the window lets the board have.
inline constexpr int MinSquareSide = 16;
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

/// The smallest board the window shows: sixteen squares of MinSquareSide
/// and the border (`border` logical pixels) around them.
int SmallestBoardSide(int border);

/// The smallest client area: the margins around a board of minBoardSide and
/// the status panel below. The status line and the clocks share the panel's
/// one line at any width, their fonts made smaller where it is narrow
/// (FitPanelFonts), so they ask no width of their own.
QSize MinimumClientSize(int minBoardSide);

/// The fonts of the status panel at one step, and the factor by which they
/// and the clocks' distances from the right edge are smaller than designed.
struct TPanelFonts {
    int statusPixels = StatusFontPixels;
    int clockPixels = ClockFontPixels;
    double scale = 1.0;
};

/// The largest panel fonts, from the designed ones down by one pixel of the
/// status line's font at a time, whose line (as `lineWidth` measures it, from
/// the panel's left edge to the right edge it needs) fits `clientWidth`; the
/// smallest (MinStatusFontPixels) where none does.
TPanelFonts FitPanelFonts(int clientWidth, const std::function<int(const TPanelFonts&)>& lineWidth);

/// A designed distance from the right edge (a clock's) at the fonts' scale.
int FromRightAt(int designed, const TPanelFonts& fonts);

/// The left edges of the two clocks in the status panel.
struct TClockPlaces {
    int white = 0;
    int black = 0;
};

/// Where the clocks go in a panel `panelWidth` wide, given their widths: at
/// their designed distances from the right edge (at the fonts' scale) where
/// they fit; a White clock too wide for its room pushes Black's to the right,
/// ClockGap clear of it, and a Black clock that would pass the right edge
/// ends there, pushing White's to the left.
TClockPlaces PlaceClocks(int panelWidth, int whiteWidth, int blackWidth, const TPanelFonts& fonts);

/// The client size that holds a board of `boardSide`: the margins around it,
/// the gap and the status panel below.
QSize ClientSizeForBoard(int boardSide);

/// Where a window opens: `wanted` client size (menu included) when it fits
/// the available area of its screen with the frame's margins, else the
/// largest size that does, centred in that area. Never below `minimum` where
/// the area holds that, and never beyond the area: on a screen too small for
/// the minimum the screen wins. Answers the client rectangle, frame excluded.
QRect PlaceWindow(QSize wanted, QSize minimum, QMargins frame, QRect available);
