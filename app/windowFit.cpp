#include "windowFit.h"

#include <algorithm>

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

QSize MinimumClientSize(int statusAndClocksWidth, int minBoardSide)
{
    const QSize forBoard = ClientSizeForBoard(minBoardSide) - QSize(0, DesignGapBelowBoard);
    return {std::max(forBoard.width(), statusAndClocksWidth), forBoard.height()};
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
    const QSize room(available.width() - frameWidth, available.height() - frameHeight);
    const QSize size = wanted.boundedTo(room).expandedTo(minimum);
    const int outerWidth = size.width() + frameWidth;
    const int outerHeight = size.height() + frameHeight;
    // Centred; a window larger than the area keeps its title bar in view.
    const int x = available.x() + std::max(0, (available.width() - outerWidth) / 2);
    const int y = available.y() + std::max(0, (available.height() - outerHeight) / 2);
    return {QPoint(x + frame.left(), y + frame.top()), size};
}
