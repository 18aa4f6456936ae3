#include "windowFit.h"

#include <algorithm>
#include <cmath>

#include "boardGeometry.h"

TClientLayout LayOutClient(QSize client, int border, double ratio)
{
    const int roomWidth = client.width() - BoardLeftMargin - BoardRightMargin;
    const int roomHeight = client.height() - BoardTopMargin - StatusPanelHeight;
    const int largest = std::max(0, std::min(roomWidth, roomHeight));
    const int side = FitToDevicePixels(largest, border, ratio).logicalSide;
    TClientLayout layout;
    const int left = BoardLeftMargin + std::max(0, (roomWidth - side) / 2);
    // A tall window first gives back the gap under the board, then centres it.
    const int top = BoardTopMargin + std::max(0, (roomHeight - DesignGapBelowBoard - side) / 2);
    layout.board = QRect(left, top, side, side);
    layout.statusPanel =
        QRect(0, client.height() - StatusPanelHeight, std::max(0, client.width()), StatusPanelHeight);
    return layout;
}

int SmallestBoardSide(int border)
{
    return BoardSize * MinSquareSide + 2 * border;
}

QSize MinimumClientSize(int minBoardSide)
{
    return ClientSizeForBoard(minBoardSide) - QSize(0, DesignGapBelowBoard);
}

TPanelFonts FitPanelFonts(int clientWidth, const std::function<int(const TPanelFonts&)>& lineWidth)
{
    TPanelFonts fonts;
    for (int status = StatusFontPixels; status >= MinStatusFontPixels; --status) {
        // The clocks shrink with the status line, so the panel keeps its look.
        fonts.statusPixels = status;
        fonts.scale = static_cast<double>(status) / StatusFontPixels;
        fonts.clockPixels = std::max(1, static_cast<int>(std::lround(ClockFontPixels * fonts.scale)));
        if (lineWidth(fonts) <= clientWidth)
            break;
    }
    return fonts;
}

int FromRightAt(int designed, const TPanelFonts& fonts)
{
    return static_cast<int>(std::lround(designed * fonts.scale));
}

TClockPlaces PlaceClocks(int panelWidth, int whiteWidth, int blackWidth, const TPanelFonts& fonts)
{
    TClockPlaces places;
    places.white = panelWidth - FromRightAt(WhiteClockFromRight, fonts);
    // A wide stand-in font or a clock of ten hours and more must not push
    // White's clock over Black's.
    places.black =
        std::max(panelWidth - FromRightAt(BlackClockFromRight, fonts), places.white + whiteWidth + ClockGap);
    // Nor Black's past the edge, where the window would cut it off: the
    // status line, on the left, is the one to give way.
    places.black = std::min(places.black, panelWidth - blackWidth);
    places.white = std::min(places.white, places.black - ClockGap - whiteWidth);
    return places;
}

QSize ClientSizeForBoard(int boardSide)
{
    return {BoardLeftMargin + boardSide + BoardRightMargin,
            BoardTopMargin + boardSide + DesignGapBelowBoard + StatusPanelHeight};
}

QRect PlaceWindow(QSize wanted, QSize minimum, QMargins frame, QRect available)
{
    const int frameWidth = frame.left() + frame.right();
    const int frameHeight = frame.top() + frame.bottom();
    const QSize room(std::max(0, available.width() - frameWidth),
                     std::max(0, available.height() - frameHeight));
    // The screen has the last word: a window past its edges loses the board.
    const QSize size = wanted.boundedTo(room).expandedTo(minimum).boundedTo(room);
    const int outerWidth = size.width() + frameWidth;
    const int outerHeight = size.height() + frameHeight;
    // Centred; a window larger than the area keeps its title bar in view.
    const int x = available.x() + std::max(0, (available.width() - outerWidth) / 2);
    const int y = available.y() + std::max(0, (available.height() - outerHeight) / 2);
    return {QPoint(x + frame.left(), y + frame.top()), size};
}
