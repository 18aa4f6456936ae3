// Fitting the board to whole squares, squares <-> pixels in both orientations,
// and the corner resize.

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

#include "boardTestSupport.h"

namespace {

struct FitCase {
    int width;
    int height;
    int border;
    int square;
    int side;
};

void PrintTo(const FitCase& c, std::ostream* os)
{
    *os << c.width << "x" << c.height << " border " << c.border;
}

class Fitting : public ::testing::TestWithParam<FitCase> {};

TEST_P(Fitting, EndsSquareWithWholeSquaresFromTheAverageSize)
{
    const FitCase& c = GetParam();
    EXPECT_EQ(FittedSquareSize(c.width, c.height, c.border), c.square);

    TVeltanBrd board;
    board.SetSizeOfBorder(c.border);
    board.resize(c.width, c.height);
    board.Paint();
    EXPECT_EQ(board.SizeOfSquare(), c.square);
    EXPECT_EQ(board.width(), c.side);
    EXPECT_EQ(board.height(), c.side);
    board.Paint();
    EXPECT_EQ(board.width(), c.side) << "a fitted board stays as it is";
}

INSTANTIATE_TEST_SUITE_P(Sizes, Fitting,
                         ::testing::Values(FitCase{816, 816, 24, 48, 816}, FitCase{700, 816, 24, 44, 752},
                                           FitCase{817, 816, 24, 48, 816}, FitCase{688, 688, 24, 40, 688},
                                           FitCase{608, 688, 0, 40, 640},
                                           // Smaller than the two borders: no squares, not a wrapped size.
                                           FitCase{30, 30, 24, 0, 48}, FitCase{0, 0, 10, 0, 20}));

struct MappingCase {
    bool whiteOnTop;
    int x;
    int y;
    Square square;
};

void PrintTo(const MappingCase& c, std::ostream* os)
{
    *os << (c.whiteOnTop ? "turned " : "") << "pixel " << c.x << "," << c.y;
}

class WindowToSquare : public ::testing::TestWithParam<MappingCase> {};

TEST_P(WindowToSquare, FindsTheSquareUnderAPixel)
{
    const MappingCase& c = GetParam();
    TVeltanBrd board;
    board.resize(816, 816);
    board.Paint();
    board.SetWhiteOnTop(c.whiteOnTop);
    EXPECT_EQ(board.WindowToSquare(c.x, c.y), c.square);
}

INSTANTIATE_TEST_SUITE_P(
    BothOrientations, WindowToSquare,
    ::testing::Values(MappingCase{false, 24, 24, A16}, MappingCase{false, 23, 24, SqrNone},
                      MappingCase{false, 24, 23, SqrNone}, MappingCase{false, 24 + 768, 30, SqrNone},
                      MappingCase{false, 791, 791, P01}, MappingCase{false, 791, 24, P16},
                      MappingCase{false, 24, 791, A01}, MappingCase{false, 71, 71, A16},
                      MappingCase{false, 72, 71, B16}, MappingCase{false, 72, 72, B15},
                      MappingCase{false, -5, 400, SqrNone}, MappingCase{false, 400, 5000, SqrNone},
                      MappingCase{true, 24, 24, P01}, MappingCase{true, 791, 791, A16},
                      MappingCase{true, 791, 24, A01}, MappingCase{true, 72, 24, O01},
                      MappingCase{true, 23, 24, SqrNone}));

struct CoordsCase {
    bool whiteOnTop;
    Square square;
    QPoint corner;
};

void PrintTo(const CoordsCase& c, std::ostream* os)
{
    *os << (c.whiteOnTop ? "turned " : "") << TVeltanBrdKernel::SquareToString(c.square);
}

class SquareToCoords : public ::testing::TestWithParam<CoordsCase> {};

TEST_P(SquareToCoords, GivesTheTopLeftPixelOfASquare)
{
    const CoordsCase& c = GetParam();
    TVeltanBrd board;
    board.resize(816, 816);
    board.Paint();
    board.SetWhiteOnTop(c.whiteOnTop);
    ASSERT_TRUE(board.SquareToCoords(c.square).has_value());
    EXPECT_EQ(*board.SquareToCoords(c.square), c.corner);
    EXPECT_EQ(board.WindowToSquare(c.corner.x(), c.corner.y()), c.square) << "and back again";
}

INSTANTIATE_TEST_SUITE_P(BothOrientations, SquareToCoords,
                         ::testing::Values(CoordsCase{false, A01, {24, 744}},
                                           CoordsCase{false, A16, {24, 24}},
                                           CoordsCase{false, P01, {744, 744}},
                                           CoordsCase{false, H08, {360, 408}},
                                           CoordsCase{true, A16, {744, 744}}, CoordsCase{true, P01, {24, 24}},
                                           CoordsCase{true, A01, {744, 24}}));

TEST(SquareToCoords, AnswersNothingForWhatIsNoSquare)
{
    const TVeltanBrd board;
    EXPECT_FALSE(board.SquareToCoords(SqrNone).has_value());
    EXPECT_FALSE(board.SquareToCoords(static_cast<Square>(257)).has_value());
}

// The corner resize, driven with real mouse events on a shown board.
class CornerResize : public ::testing::Test {
protected:
    void SetUp() override
    {
        ApplyMainWindowLook(board);
        board.SetGameEnded(false); // an ended game takes no mouse input
        board.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&board));
        QApplication::processEvents();
        ASSERT_EQ(board.width(), 816);
    }

    void Hover(QPoint at)
    {
        QMouseEvent move(QEvent::MouseMove, at, board.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(&board, &move);
    }

    TVeltanBrd board;
};

struct CornerDragCase {
    QPoint to;
    int width;
};

void PrintTo(const CornerDragCase& c, std::ostream* os)
{
    *os << "drag to " << c.to.x() << "," << c.to.y();
}

class CornerDrag : public CornerResize, public ::testing::WithParamInterface<CornerDragCase> {};

TEST_P(CornerDrag, SetsTheWidthWithinTheBounds)
{
    const QPoint corner(board.width() - 3, board.height() - 3);
    QTest::mousePress(&board, Qt::LeftButton, Qt::NoModifier, corner);
    QTest::mouseMove(&board, corner + QPoint(1, 1));
    EXPECT_TRUE(board.ResizeState());
    EXPECT_EQ(board.cursor().shape(), Qt::SizeFDiagCursor);
    QTest::mouseMove(&board, GetParam().to);
    EXPECT_EQ(board.width(), GetParam().width);
    EXPECT_EQ(board.height(), 816) << "only the width follows the pointer";
    QTest::mouseRelease(&board, Qt::LeftButton, Qt::NoModifier, GetParam().to);
    EXPECT_FALSE(board.ResizeState());
    board.Paint();
    EXPECT_EQ(board.width(), board.height()) << "the next repaint makes it square again";
}

INSTANTIATE_TEST_SUITE_P(Bounds, CornerDrag,
                         ::testing::Values(CornerDragCase{{50, 40}, 100}, CornerDragCase{{1200, 300}, 1000},
                                           CornerDragCase{{500, 620}, 620}));

TEST_F(CornerResize, HoveringShowsTheSizingCursorAndGivesTheOldOneBack)
{
    board.setCursor(Qt::PointingHandCursor);
    Hover({400, 400});
    Hover({board.width() - 2, board.height() - 2});
    EXPECT_EQ(board.cursor().shape(), Qt::SizeFDiagCursor);
    EXPECT_FALSE(board.ResizeState());
    Hover({400, 400});
    EXPECT_EQ(board.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(board.width(), 816) << "hovering never resizes";
}

TEST_F(CornerResize, ZoneIsTheLastElevenPixels)
{
    EXPECT_TRUE(InCornerZone({816, 816}, {806, 806}));
    EXPECT_TRUE(InCornerZone({816, 816}, {816, 816}));
    EXPECT_FALSE(InCornerZone({816, 816}, {805, 810}));
    EXPECT_FALSE(InCornerZone({816, 816}, {810, 805}));
}

TEST_F(CornerResize, ANonResizableBoardKeepsItsCursorAndSize)
{
    board.SetResizable(false);
    const QPoint corner(board.width() - 3, board.height() - 3);
    QTest::mousePress(&board, Qt::LeftButton, Qt::NoModifier, corner);
    QTest::mouseMove(&board, corner + QPoint(1, 1));
    QTest::mouseMove(&board, {300, 300});
    QTest::mouseRelease(&board, Qt::LeftButton, Qt::NoModifier, {300, 300});
    EXPECT_FALSE(board.ResizeState());
    EXPECT_NE(board.cursor().shape(), Qt::SizeFDiagCursor);
    EXPECT_EQ(board.width(), 816);
}

} // namespace
