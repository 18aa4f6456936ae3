// A new board's state, what each appearance setter stores and repaints, and
// that no value handed to a setter can break the board.

#include <QApplication>
#include <functional>
#include <gtest/gtest.h>

#include "boardLimits.h"
#include "boardTestSupport.h"

namespace {

TEST(NewBoard, StartsAsTheDefaultsDescribe)
{
    const TVeltanBrd board;
    EXPECT_EQ(board.width(), 688);
    EXPECT_EQ(board.height(), 688);
    EXPECT_EQ(board.SizeOfSquare(), 40);
    EXPECT_EQ(board.SizeOfBorder(), 24);
    EXPECT_EQ(board.Boardx(), 24);
    EXPECT_EQ(board.Boardy(), 24);
    EXPECT_EQ(board.PieceSize(), 40);
    EXPECT_TRUE(board.GameEnded());
    EXPECT_FALSE(board.isEnabled());
    EXPECT_FALSE(board.FirstTime());
    EXPECT_TRUE(board.Canvas().isNull()) << "nothing is drawn before the first Paint";
    EXPECT_EQ(board.BorderColor(), 0x000000u);
    EXPECT_EQ(board.SquareColorDark(), 0x808080u);
    EXPECT_EQ(board.SquareColorLight(), 0xC0C0C0u);
    EXPECT_EQ(board.SquareColorLightGreen(), 0u);
    EXPECT_EQ(board.SquareColorDarkYellow(), 0u);
    EXPECT_TRUE(board.DisplayCoords().Empty());
    EXPECT_EQ(board.ResizeMinSize(), 100);
    EXPECT_EQ(board.ResizeMaxSize(), 1000);
    EXPECT_FALSE(board.Resizable());
    EXPECT_FALSE(board.WhiteOnTop());
    EXPECT_FALSE(board.BoardLines());
    EXPECT_EQ(board.LineStyle().color(), QColor(Qt::black));
    EXPECT_EQ(board.LineStyle().style(), Qt::SolidLine);
    EXPECT_EQ(board.CoordFont().family(), QStringLiteral("Courier New"));
    EXPECT_EQ(board.CoordFont().pointSize(), 7);
    EXPECT_TRUE(board.CoordFont().bold());
    EXPECT_FALSE(board.PaintBoardLegalSquares());
    EXPECT_FALSE(board.PaintBoardCurrentTeamPlayer());
    EXPECT_EQ(board.lastAbandonedSquare(), SqrNone);
    EXPECT_TRUE(board.CustomPieceSet().isNull());
    EXPECT_TRUE(board.Version().isEmpty());
}

TEST(NewBoard, FirstPaintDrawsAndArmsTheComputerTurnTimer)
{
    TVeltanBrd board;
    auto* const timer = board.findChild<QTimer*>(QStringLiteral("computerTurnTimer"));
    ASSERT_NE(timer, nullptr);
    EXPECT_FALSE(timer->isActive());
    board.Paint();
    EXPECT_TRUE(board.FirstTime());
    EXPECT_EQ(board.Canvas().size(), QSize(688, 688));
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 500);
}

// Which setters repaint at once (one OnPaint) and which only store.
struct RepaintCase {
    const char* name;
    std::function<void(TVeltanBrd&)> set;
    int paints;
};

void PrintTo(const RepaintCase& c, std::ostream* os)
{
    *os << c.name;
}

class SetterRepaint : public ::testing::TestWithParam<RepaintCase> {};

TEST_P(SetterRepaint, RepaintsExactlyWhenTheSettingShows)
{
    TVeltanBrd board;
    board.Paint();
    int paints = 0;
    board.OnPaint = [&](TVeltanBrdKernel&) { ++paints; };
    GetParam().set(board);
    EXPECT_EQ(paints, GetParam().paints);
}

INSTANTIATE_TEST_SUITE_P(
    Setters, SetterRepaint,
    ::testing::Values(
        RepaintCase{"BoardLines", [](TVeltanBrd& b) { b.SetBoardLines(true); }, 1},
        RepaintCase{"BorderColor", [](TVeltanBrd& b) { b.SetBorderColor(0x123456); }, 1},
        RepaintCase{"BorderBitmap",
                    [](TVeltanBrd& b) { b.SetBorderBitmap(QImage(3, 3, QImage::Format_RGB32)); }, 1},
        RepaintCase{"DisplayCoords", [](TVeltanBrd& b) { b.SetDisplayCoords({West}); }, 1},
        RepaintCase{"LineStyle", [](TVeltanBrd& b) { b.SetLineStyle(QPen(Qt::red)); }, 1},
        RepaintCase{"SquareColorLightYellow", [](TVeltanBrd& b) { b.SetSquareColorLightYellow(1); }, 1},
        RepaintCase{"SquareColorDarkYellow", [](TVeltanBrd& b) { b.SetSquareColorDarkYellow(1); }, 0},
        RepaintCase{"SquareDarkGreen",
                    [](TVeltanBrd& b) { b.SetSquareDarkGreen(QImage(4, 4, QImage::Format_RGB32)); }, 1},
        RepaintCase{"WhiteOnTop", [](TVeltanBrd& b) { b.SetWhiteOnTop(true); }, 1},
        RepaintCase{"SizeOfSquare", [](TVeltanBrd& b) { b.SetSizeOfSquare(30); }, 0},
        RepaintCase{"PaintBoardLegalSquares", [](TVeltanBrd& b) { b.SetPaintBoardLegalSquares(true); }, 0},
        RepaintCase{"Version", [](TVeltanBrd& b) { b.SetVersion(QStringLiteral("9.9")); }, 0},
        RepaintCase{"CustomPieceSet refused",
                    [](TVeltanBrd& b) { b.SetCustomPieceSet(QImage(250, 144, QImage::Format_RGB32)); }, 0}),
    [](const auto& info) {
        std::string name = info.param.name;
        for (char& c : name)
            if (c == ' ')
                c = '_';
        return name;
    });

TEST(SetterRepaint, SquareDarkGreenBitmapIsNeverDrawn)
{
    TVeltanBrd board;
    board.Paint();
    const QImage before = board.Canvas();
    QImage red(8, 8, QImage::Format_RGB32);
    red.fill(Qt::red);
    board.SetSquareDarkGreen(red);
    board.SetSquareLightGreen(red);
    EXPECT_EQ(board.Canvas(), before);
    EXPECT_EQ(board.SquareDarkGreen(), red) << "kept for whoever reads it back";
}

TEST(ResizeBounds, EachBoundStaysOnItsSideOfTheOther)
{
    TVeltanBrd board;
    board.SetResizeMaxSize(50);
    EXPECT_EQ(board.ResizeMaxSize(), 100);
    board.SetResizeMinSize(2000);
    EXPECT_EQ(board.ResizeMinSize(), 100);
    board.SetResizeMinSize(-40);
    EXPECT_EQ(board.ResizeMinSize(), 0);
    board.SetResizeMaxSize(1'000'000);
    EXPECT_EQ(board.ResizeMaxSize(), MaxBoardSide);
}

TEST(SizeSetters, SetTheWidthOnlyAndTheNextPaintRefits)
{
    TVeltanBrd board;
    board.SetSizeOfSquare(30);
    EXPECT_EQ(board.width(), 528);
    EXPECT_EQ(board.height(), 688);
    board.Paint();
    EXPECT_EQ(board.SizeOfSquare(), 35);
    EXPECT_EQ(board.width(), 608);
    EXPECT_EQ(board.height(), 608);
}

TEST(Loading, PaintDrawsNothingUntilLoadingEnds)
{
    TVeltanBrd board;
    int paints = 0;
    board.OnPaint = [&](TVeltanBrdKernel&) { ++paints; };
    board.SetLoading(true);
    board.resize(816, 816);
    board.SetSizeOfBorder(24);
    board.SetSizeOfSquare(48);
    board.SetBorderColor(0xC0C0C0);
    board.Paint();
    EXPECT_EQ(paints, 0);
    EXPECT_TRUE(board.Canvas().isNull());
    EXPECT_EQ(board.size(), QSize(816, 816));
    board.SetLoading(false);
    QApplication::processEvents();
    EXPECT_EQ(paints, 1) << "ending the load asks for one full repaint";
    EXPECT_EQ(board.Canvas().size(), QSize(816, 816));
}

TEST(Paint, AskedForAgainFromOnPaintDrawsOnce)
{
    TVeltanBrd board;
    int paints = 0;
    board.OnPaint = [&](TVeltanBrdKernel&) {
        ++paints;
        board.Paint(); // the repaint already running draws everything
    };
    board.Paint();
    EXPECT_EQ(paints, 1);
    EXPECT_FALSE(board.Canvas().isNull());
}

TEST(DoRefreshWindowsBoard, WhenOffPaintNeitherNotifiesResizesNorDraws)
{
    TVeltanBrd board;
    board.Paint();
    const QImage before = board.Canvas();
    int paints = 0;
    board.OnPaint = [&](TVeltanBrdKernel&) { ++paints; };
    board.SetDoRefreshWindowsBoard(false);
    board.resize(700, 816);
    board.SetBorderColor(0x0000FF);
    board.Paint();
    EXPECT_EQ(paints, 0);
    EXPECT_EQ(board.size(), QSize(700, 816));
    EXPECT_EQ(board.Canvas(), before);
}

TEST(CopyOptions, TakesFirstTimeAndThePieceSetFromAnotherBoard)
{
    TVeltanBrd source;
    source.Paint();
    source.SetCustomPieceSet(ResourcePieceSet(QStringLiteral("ImageCm36")));
    TVeltanBrd copy;
    copy.CopyOptionsFrom(source);
    EXPECT_TRUE(copy.FirstTime());
    EXPECT_EQ(copy.PieceSize(), 36);
    EXPECT_EQ(copy.CustomPieceSet(), source.CustomPieceSet());
    EXPECT_TRUE(copy.DoRefreshWindowsBoard()) << "switched off only while copying";
}

// Whatever a caller hands in, the board stays within its limits and paints.
struct BadInputCase {
    const char* name;
    std::function<void(TVeltanBrd&)> set;
};

void PrintTo(const BadInputCase& c, std::ostream* os)
{
    *os << c.name;
}

class BadSetterInput : public ::testing::TestWithParam<BadInputCase> {};

TEST_P(BadSetterInput, NeverBreaksTheBoard)
{
    TVeltanBrd board;
    board.SetBoardLines(true);
    board.SetDisplayCoords(CoordSet::All());
    board.SetPaintBoardLegalSquares(true);
    board.SetLastAbandonedSquare(H08);
    GetParam().set(board);
    board.Paint();
    board.ClearSquare(A16);
    board.ClearSquare(static_cast<Square>(300));
    board.ClearSquare(SqrNone);
    EXPECT_GE(board.SizeOfSquare(), 0);
    EXPECT_LE(board.SizeOfSquare(), MaxSquareSize);
    EXPECT_GE(board.SizeOfBorder(), 0);
    EXPECT_LE(board.SizeOfBorder(), MaxBorderSize);
    EXPECT_LE(board.width(), MaxBoardSide);
    EXPECT_EQ(board.width(), board.height());
    EXPECT_EQ(board.Canvas().size(), board.size());
    EXPECT_EQ(board.WindowToSquare(board.width() / 2, board.height() / 2) == SqrNone,
              board.SizeOfSquare() == 0);
}

QImage Filled(int w, int h, Qt::GlobalColor colour)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

INSTANTIATE_TEST_SUITE_P(
    Setters, BadSetterInput,
    ::testing::Values(
        BadInputCase{"NegativeSquare", [](TVeltanBrd& b) { b.SetSizeOfSquare(-5); }},
        BadInputCase{"HugeSquare", [](TVeltanBrd& b) { b.SetSizeOfSquare(1'000'000'000); }},
        BadInputCase{"NegativeBorder", [](TVeltanBrd& b) { b.SetSizeOfBorder(-1); }},
        BadInputCase{"HugeBorder", [](TVeltanBrd& b) { b.SetSizeOfBorder(100'000); }},
        BadInputCase{"BorderWiderThanBoard",
                     [](TVeltanBrd& b) {
                         b.SetSizeOfBorder(150);
                         b.resize(100, 100);
                     }},
        BadInputCase{"ZeroSizedWidget", [](TVeltanBrd& b) { b.resize(0, 0); }},
        BadInputCase{"HugeWidget", [](TVeltanBrd& b) { b.resize(30000, 30000); }},
        BadInputCase{"NarrowBorder", [](TVeltanBrd& b) { b.SetSizeOfBorder(3); }},
        BadInputCase{"EmptyBitmaps",
                     [](TVeltanBrd& b) {
                         b.SetSquareLight(QImage());
                         b.SetSquareDark(QImage());
                         b.SetBorderBitmap(QImage());
                     }},
        BadInputCase{"OnePixelBitmaps",
                     [](TVeltanBrd& b) {
                         b.SetSquareLight(Filled(1, 1, Qt::red));
                         b.SetBorderBitmap(Filled(1, 1, Qt::blue));
                     }},
        BadInputCase{"OddSizedBitmaps",
                     [](TVeltanBrd& b) {
                         b.SetSquareDark(Filled(3, 7, Qt::red));
                         b.SetBorderBitmap(Filled(1, 5000, Qt::blue));
                     }},
        BadInputCase{"HugeBitmap",
                     [](TVeltanBrd& b) { b.SetSquareLight(Filled(5000, 4000, Qt::transparent)); }},
        BadInputCase{"WidePen", [](TVeltanBrd& b) { b.SetLineStyle(QPen(QBrush(Qt::red), 1e9)); }},
        BadInputCase{"HighByteColours",
                     [](TVeltanBrd& b) {
                         b.SetBorderColor(0xFFFFFFFFu);
                         b.SetSquareColorDark(0x80000005u);
                     }},
        BadInputCase{"EmptyPieceSet",
                     [](TVeltanBrd& b) { b.SetCustomPieceSet(QImage(0, 0, QImage::Format_RGB32)); }},
        BadInputCase{"HugePieceCells",
                     [](TVeltanBrd& b) { b.SetCustomPieceSet(Filled(7 * 401, 4 * 401, Qt::black)); }},
        BadInputCase{"NoSquareHighlighted",
                     [](TVeltanBrd& b) { b.SetLastAbandonedSquare(static_cast<Square>(999)); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BadSetterInput, PenWidthAndColourHighByteAreClamped)
{
    TVeltanBrd board;
    board.SetLineStyle(QPen(QBrush(Qt::red), 1000));
    EXPECT_EQ(board.LineStyle().width(), MaxLineWidth);
    EXPECT_EQ(board.LineStyle().color(), QColor(Qt::red));
    board.SetBorderColor(0xFF0000FFu);
    EXPECT_EQ(board.BorderColor(), 0x0000FFu);
    board.Paint();
    EXPECT_EQ(CanvasColor(board, 5, 300), 0x0000FFu);
}

TEST(BadSetterInput, HugePieceCellsAreRefusedLikeAWrongShape)
{
    TVeltanBrd board;
    board.SetCustomPieceSet(Filled(7 * 401, 4 * 401, Qt::black));
    EXPECT_EQ(board.PieceSize(), 40);
    EXPECT_TRUE(board.CustomPieceSet().isNull());
}

} // namespace
