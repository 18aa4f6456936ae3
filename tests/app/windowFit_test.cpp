// Fitting the main window to screens: where it opens, and where the board
// lies at every window size, for the screens people have.

#include <QMargins>
#include <QRect>
#include <cmath>
#include <gtest/gtest.h>

#include "boardGeometry.h"
#include "screenPlacement.h"
#include "windowFit.h"

namespace {

constexpr int Border = 24;
constexpr int MenuHeight = 23;
const QSize Wanted = DesignClientSize + QSize(0, MenuHeight);
const QSize Minimum = MinimumClientSize(SmallestBoardSide(Border)) + QSize(0, MenuHeight);

struct TScreenRow {
    const char* name;
    QRect available; // logical pixels, the panels of the desktop left out
    double ratio;
    QMargins frame; // the window manager's frame around the client area
    bool holdsTheDesign;
    bool holdsTheSmallestBoard; // sixteen squares of 16 pixels and the border
};

void PrintTo(const TScreenRow& row, std::ostream* os)
{
    *os << row.name;
}

const QMargins TitleBar(1, 30, 1, 1);

class ScreenFit : public ::testing::TestWithParam<TScreenRow> {};

TEST_P(ScreenFit, WindowOpensWholeInsideTheAvailableAreaAtTheDesignedSizeWhereItFits)
{
    const TScreenRow& row = GetParam();
    const QRect client = PlaceWindow(Wanted, Minimum, row.frame, row.available);
    const QRect frame = client.marginsAdded(row.frame);
    EXPECT_TRUE(row.available.contains(frame))
        << "frame " << frame.x() << "," << frame.y() << " " << frame.width() << "x" << frame.height();
    EXPECT_EQ(client.size() == Wanted, row.holdsTheDesign);
    // Centred: equal room on both sides, give or take the odd pixel.
    EXPECT_LE(std::abs((frame.left() - row.available.left()) - (row.available.right() - frame.right())), 1);
    EXPECT_LE(std::abs((frame.top() - row.available.top()) - (row.available.bottom() - frame.bottom())), 1);
}

TEST_P(ScreenFit, BoardKeepsSixteenSquaresOfSixteenPixelsWhereTheScreenHoldsThemElseFillsIt)
{
    const TScreenRow& row = GetParam();
    const QRect client = PlaceWindow(Wanted, Minimum, row.frame, row.available);
    const QSize room = row.available.size() -
                       QSize(row.frame.left() + row.frame.right(), row.frame.top() + row.frame.bottom());
    const QRect board = LayOutClient(client.size() - QSize(0, MenuHeight), Border, row.ratio).board;
    if (row.holdsTheSmallestBoard)
        EXPECT_GE(board.width(), SmallestBoardSide(Border));
    else
        EXPECT_EQ(client.size(), room) << "the window takes the whole screen, and no more";
}

// Every square the same whole number of device pixels, the board inside the
// client area above the status line, centred across it.
void ExpectBoardFits(QSize client, double ratio)
{
    const TClientLayout layout = LayOutClient(client, Border, ratio);
    const QRect board = layout.board;
    ASSERT_EQ(board.width(), board.height());
    const TDeviceFit fit = FitToDevicePixels(board.width(), Border, ratio);
    EXPECT_EQ(fit.logicalSide, board.width()) << "a fitted board fits again unchanged";
    EXPECT_GT(fit.square, 0);
    EXPECT_LE(BoardSize * fit.square + 2 * fit.border, fit.canvasSide);
    EXPECT_LT(fit.canvasSide - (BoardSize * fit.square + 2 * fit.border), 2 * ratio + 1)
        << "no more than the rounding of the last logical pixel is left over";
    EXPECT_GE(board.left(), BoardLeftMargin);
    EXPECT_GE(board.top(), BoardTopMargin);
    EXPECT_LE(board.right(), client.width() - BoardRightMargin);
    EXPECT_LE(board.bottom(), layout.statusPanel.top());
    EXPECT_EQ(layout.statusPanel.bottom(), client.height() - 1) << "the status line stays in view";
    EXPECT_LE(
        std::abs((board.left() - BoardLeftMargin) - (client.width() - BoardRightMargin - 1 - board.right())),
        1);
    // The largest such board: one more device pixel per square would not fit.
    const int roomWidth = client.width() - BoardLeftMargin - BoardRightMargin;
    const int roomHeight = client.height() - BoardTopMargin - StatusPanelHeight;
    const int larger = BoardSize * (fit.square + 1) + 2 * fit.border;
    EXPECT_GT(larger, std::floor(std::min(roomWidth, roomHeight) * ratio + 1e-6));
}

TEST_P(ScreenFit, BoardIsTheLargestOfWholeDevicePixelSquaresAtEveryWindowSize)
{
    const TScreenRow& row = GetParam();
    const QSize room = row.available.size() - QSize(row.frame.left() + row.frame.right(),
                                                    row.frame.top() + row.frame.bottom() + MenuHeight);
    const QSize smallest = Minimum - QSize(0, MenuHeight);
    for (int width = smallest.width(); width <= room.width(); width += 37)
        for (int height = smallest.height(); height <= room.height(); height += 41) {
            SCOPED_TRACE(testing::Message() << width << " x " << height);
            ExpectBoardFits(QSize(width, height), row.ratio);
        }
}

TEST_P(ScreenFit, MaximisedWindowFillsTheScreenWithTheLargestBoard)
{
    const TScreenRow& row = GetParam();
    const QSize client = row.available.size() - QSize(0, MenuHeight);
    ExpectBoardFits(client, row.ratio);
    const QRect board = LayOutClient(client, Border, row.ratio).board;
    EXPECT_GE(board.width(), std::min(client.width() - 60, client.height() - 52) - 16)
        << "at most a device pixel per square is lost to snapping";
}

INSTANTIATE_TEST_SUITE_P(
    Screens, ScreenFit,
    ::testing::Values(
        TScreenRow{"Laptop1366x768", QRect(0, 0, 1366, 768 - 32), 1.0, TitleBar, false, true},
        TScreenRow{"FullHdAt125Percent", QRect(0, 0, 1536, 864 - 26), 1.25, TitleBar, false, true},
        TScreenRow{"Laptop1280x800At200Percent", QRect(0, 0, 1280, 800), 2.0, TitleBar, false, true},
        TScreenRow{"Laptop1440x900At200Percent", QRect(0, 27, 1440, 900 - 27), 2.0, TitleBar, false, true},
        TScreenRow{"FullHd", QRect(0, 0, 1920, 1080 - 40), 1.0, TitleBar, true, true},
        TScreenRow{"FullHdAt150Percent", QRect(0, 0, 1280, 720), 1.5, TitleBar, false, true},
        TScreenRow{"Uhd3840x2160At200Percent", QRect(0, 0, 1920, 1080), 2.0, QMargins(), true, true},
        TScreenRow{"SecondScreenRightOfTheFirst", QRect(1920, 0, 1920, 1200), 1.0, TitleBar, true, true},
        TScreenRow{"Netbook1024x600", QRect(0, 0, 1024, 600 - 24), 1.0, TitleBar, false, true},
        TScreenRow{"Laptop1366x768At200PercentFullScreen", QRect(0, 0, 683, 384), 2.0, QMargins(), false,
                   true},
        TScreenRow{"Laptop1366x768At200PercentWithPanelAndTitleBar", QRect(0, 0, 683, 384 - 16), 2.0,
                   TitleBar, false, false}),
    [](const ::testing::TestParamInfo<TScreenRow>& info) { return std::string(info.param.name); });

TEST(DesignedLayout, PutsThe816PixelBoardWhereTheWindowWasDrawn)
{
    const TClientLayout layout = LayOutClient(DesignClientSize, Border, 1.0);
    EXPECT_EQ(layout.board, QRect(27, 25, 816, 816));
    EXPECT_EQ(layout.statusPanel, QRect(0, 904, 876, 27));
    EXPECT_EQ(ClientSizeForBoard(816), DesignClientSize);
}

struct TDialogRow {
    const char* name;
    QRect frame;
    QPoint placed;
};

void PrintTo(const TDialogRow& row, std::ostream* os)
{
    *os << row.name;
}

class DialogPlacement : public ::testing::TestWithParam<TDialogRow> {};

TEST_P(DialogPlacement, MovesTheLeastThatBringsTheFrameInside)
{
    EXPECT_EQ(PlacedInside(GetParam().frame, QRect(0, 0, 1366, 736)), GetParam().placed);
}

INSTANTIATE_TEST_SUITE_P(
    Frames, DialogPlacement,
    ::testing::Values(TDialogRow{"AlreadyInside", QRect(100, 100, 300, 400), QPoint(100, 100)},
                      TDialogRow{"BelowTheBottom", QRect(100, 500, 300, 400), QPoint(100, 336)},
                      TDialogRow{"LeftOfTheScreen", QRect(-10, 87, 300, 400), QPoint(0, 87)},
                      TDialogRow{"PastTheRightAndTop", QRect(1200, -40, 300, 400), QPoint(1066, 0)},
                      TDialogRow{"LargerThanTheScreen", QRect(50, 50, 1500, 900), QPoint(0, 0)}),
    [](const ::testing::TestParamInfo<TDialogRow>& info) { return std::string(info.param.name); });

} // namespace
