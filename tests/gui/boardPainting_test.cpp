// What the board paints, read back from its canvas: square bases, the two
// highlights, grid lines, single-square repaints and textures.

#include <gtest/gtest.h>

#include "boardTestSupport.h"

namespace {

constexpr TColor Light = PlatformRgb(200, 40, 40);
constexpr TColor Dark = PlatformRgb(40, 40, 200);
constexpr TColor Border = PlatformRgb(40, 200, 40);
constexpr TColor LightGreen = PlatformRgb(150, 250, 150);  // on dark squares
constexpr TColor DarkGreen = PlatformRgb(0, 120, 0);       // on light squares
constexpr TColor LightYellow = PlatformRgb(250, 250, 180); // on dark squares
constexpr TColor DarkYellow = PlatformRgb(160, 160, 0);    // on light squares
constexpr TColor Red = PlatformRgb(255, 0, 0);

class Painting : public ::testing::Test {
protected:
    void SetUp() override
    {
        board.SetLoading(true);
        board.resize(816, 816);
        board.SetSquareColorLight(Light);
        board.SetSquareColorDark(Dark);
        board.SetBorderColor(Border);
        board.SetSquareColorLightGreen(LightGreen);
        board.SetSquareColorDarkGreen(DarkGreen);
        board.SetSquareColorLightYellow(LightYellow);
        board.SetSquareColorDarkYellow(DarkYellow);
        board.SetLoading(false);
    }

    static bool IsDarkSquare(Square sq) { return TVeltanBrdKernel::ColorOfSquare(sq) == 0; }
    TColor Base(Square sq) const { return IsDarkSquare(sq) ? Dark : Light; }

    TTestBoard board;
};

// ---- Square bases -----------------------------------------------------------

class SquareBase : public Painting, public ::testing::WithParamInterface<bool> {};

TEST_P(SquareBase, DarkWhereScreenColumnPlusRowIsEven)
{
    SetUpGame(board, {});
    board.SetWhiteOnTop(GetParam());
    board.Paint();
    for (int sq = 1; sq <= SquareCount; ++sq) {
        const auto square = static_cast<Square>(sq);
        const QPoint cell = board.Geometry().ScreenCell(sq);
        const TColor expected = (cell.x() + cell.y()) % 2 == 0 ? Dark : Light;
        ASSERT_EQ(CanvasColor(board, SquareCentre(board, square)), expected)
            << TVeltanBrdKernel::SquareToString(square);
        ASSERT_EQ(Base(square), expected) << "the rules' square colour agrees with the screen";
    }
    EXPECT_EQ(CanvasColor(board, SquareCentre(board, A16)), Dark);
    EXPECT_EQ(CanvasColor(board, SquareCentre(board, P01)), Dark);
    EXPECT_EQ(CanvasColor(board, SquareCentre(board, A01)), Light);
    EXPECT_EQ(CanvasColor(board, SquareCentre(board, P16)), Light);
}

INSTANTIATE_TEST_SUITE_P(BothOrientations, SquareBase, ::testing::Bool());

TEST_F(Painting, BorderRingAndItsTwoOutlines)
{
    SetUpGame(board, {});
    board.SetLineStyle(QPen(QColor(255, 0, 0)));
    board.Paint();
    EXPECT_EQ(CanvasColor(board, 10, 400), Border);
    EXPECT_EQ(CanvasColor(board, 400, 805), Border);
    for (const QPoint outline : {QPoint(0, 0), QPoint(815, 400), QPoint(400, 815), QPoint(0, 815)})
        EXPECT_EQ(CanvasColor(board, outline), Red) << outline.x() << "," << outline.y();
    for (const QPoint inner : {QPoint(23, 23), QPoint(792, 400), QPoint(400, 792), QPoint(23, 792)})
        EXPECT_EQ(CanvasColor(board, inner), Red) << inner.x() << "," << inner.y();
    EXPECT_EQ(CanvasColor(board, 24, 24), Dark) << "the grid starts inside the inner outline";
    EXPECT_EQ(CanvasColor(board, 1, 400), Border);
}

// ---- Legal-destination highlight ----------------------------------------------

TEST_F(Painting, GreenMarksExactlyTheLegalDestinationsOfThePressedSquare)
{
    SetUpGame(board, {{H08, 'R'}, {H12, 'p'}, {C08, 'P'}, {A01, 'K'}, {P16, 'k'}});
    board.SetPaintBoardLegalSquares(true);
    board.SetLastAbandonedSquare(H08);
    board.Paint();
    const std::vector<Square> legal = Destinations(board, H08);
    ASSERT_FALSE(legal.empty());
    int green = 0;
    for (int sq = 1; sq <= SquareCount; ++sq) {
        const auto square = static_cast<Square>(sq);
        const bool isLegal = std::find(legal.begin(), legal.end(), square) != legal.end();
        const TColor expected = isLegal ? (IsDarkSquare(square) ? LightGreen : DarkGreen) : Base(square);
        const TColor actual = CanvasColor(board, SquareSamplePoint(board, square));
        EXPECT_EQ(actual, expected) << TVeltanBrdKernel::SquareToString(square);
        green += isLegal ? 1 : 0;
    }
    EXPECT_EQ(green, static_cast<int>(legal.size()));
}

struct NoGreenCase {
    const char* name;
    bool paintLegalSquares;
    Square origin;
};

void PrintTo(const NoGreenCase& c, std::ostream* os)
{
    *os << c.name;
}

class NoGreen : public Painting, public ::testing::WithParamInterface<NoGreenCase> {};

TEST_P(NoGreen, NoSquareTurnsGreen)
{
    SetUpGame(board, {{H08, 'R'}, {A01, 'K'}, {P16, 'k'}});
    board.SetPaintBoardLegalSquares(GetParam().paintLegalSquares);
    board.SetLastAbandonedSquare(GetParam().origin);
    board.Paint();
    for (int sq = 1; sq <= SquareCount; ++sq) {
        const auto square = static_cast<Square>(sq);
        ASSERT_EQ(CanvasColor(board, SquareSamplePoint(board, square)), Base(square))
            << TVeltanBrdKernel::SquareToString(square);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, NoGreen,
                         ::testing::Values(NoGreenCase{"SwitchOff", false, H08},
                                           NoGreenCase{"NoSquare", true, SqrNone},
                                           NoGreenCase{"EmptySquare", true, D04},
                                           NoGreenCase{"PieceOfTheSideNotToMove", true, P16}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Current-player highlight -------------------------------------------------

TEST_F(Painting, YellowMarksThePiecesOfTheCurrentTeamPlayer)
{
    // Two players per team, two moves per turn: player 1 of White moves first.
    SetUpGame(board,
              {{C03, 'R', '1'},
               {D03, 'N', '1'},
               {E03, 'B', '2'},
               {C14, 'r', '1'},
               {A01, 'K', '1'},
               {P16, 'k', '1'}},
              2, 2);
    board.SetPaintBoardCurrentTeamPlayer(true);
    board.Paint();
    for (const Square sq : {C03, D03, A01})
        EXPECT_EQ(CanvasColor(board, SquareSamplePoint(board, sq)),
                  IsDarkSquare(sq) ? LightYellow : DarkYellow)
            << TVeltanBrdKernel::SquareToString(sq);
    for (const Square sq : {E03, C14, P16, H08})
        EXPECT_EQ(CanvasColor(board, SquareSamplePoint(board, sq)), Base(sq))
            << TVeltanBrdKernel::SquareToString(sq);
}

struct NoYellowCase {
    const char* name;
    bool paintCurrentPlayer;
    int playersPerTeam;
};

void PrintTo(const NoYellowCase& c, std::ostream* os)
{
    *os << c.name;
}

class NoYellow : public Painting, public ::testing::WithParamInterface<NoYellowCase> {};

TEST_P(NoYellow, NoSquareTurnsYellow)
{
    SetUpGame(board, {{C03, 'R', '1'}, {A01, 'K', '1'}, {P16, 'k', '1'}}, 4, GetParam().playersPerTeam);
    board.SetPaintBoardCurrentTeamPlayer(GetParam().paintCurrentPlayer);
    board.Paint();
    for (const Square sq : {C03, A01})
        EXPECT_EQ(CanvasColor(board, SquareSamplePoint(board, sq)), Base(sq))
            << TVeltanBrdKernel::SquareToString(sq);
}

INSTANTIATE_TEST_SUITE_P(Cases, NoYellow,
                         ::testing::Values(NoYellowCase{"SwitchOff", false, 2},
                                           NoYellowCase{"OnePlayerPerTeam", true, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Grid lines ------------------------------------------------------------------

TEST_F(Painting, GridLinesAreTheThirtyInnerLinesInThePenColour)
{
    SetUpGame(board, {});
    board.SetLineStyle(QPen(QColor(255, 0, 0)));
    board.SetBoardLines(true);
    for (int i = 1; i < BoardSize; ++i) {
        const int at = 24 + i * 48;
        EXPECT_EQ(CanvasColor(board, at, 24 + 20), Red) << "vertical " << i;
        EXPECT_EQ(CanvasColor(board, at, 791), Red) << "vertical " << i << " reaches the bottom row";
        EXPECT_EQ(CanvasColor(board, 24 + 20, at), Red) << "horizontal " << i;
        EXPECT_NE(CanvasColor(board, at + 1, 24 + 20), Red);
        EXPECT_NE(CanvasColor(board, at - 1, 24 + 20), Red);
    }
    EXPECT_NE(CanvasColor(board, 24 + 20, 24 + 20), Red);
    board.SetBoardLines(false);
    EXPECT_NE(CanvasColor(board, 72, 44), Red) << "gone when switched off";
}

TEST_F(Painting, ClearSquareDrawsItsInnerEdgesInBlack)
{
    SetUpGame(board, {{H08, 'R'}, {A01, 'K'}, {P16, 'k'}});
    board.SetLineStyle(QPen(QColor(255, 0, 0)));
    board.SetBoardLines(true);
    board.ClearSquare(H08);
    const QPoint corner = *board.SquareToCoords(H08);
    EXPECT_EQ(CanvasColor(board, corner.x(), corner.y() + 20), 0x000000u) << "left edge";
    EXPECT_EQ(CanvasColor(board, corner.x() + 20, corner.y()), 0x000000u) << "top edge";
    EXPECT_EQ(CanvasColor(board, corner.x() + 48, corner.y() + 20), Red)
        << "the neighbour's line keeps its colour";
    EXPECT_EQ(CanvasColor(board, corner.x() + 20, corner.y() + 48), Red);
    EXPECT_EQ(CanvasColor(board, SquareCentre(board, H08)), Base(H08)) << "the piece is gone";

    board.ClearSquare(A16);
    EXPECT_EQ(CanvasColor(board, 24, 44), Base(A16)) << "the grid's outer edge is no inner line";
    EXPECT_EQ(CanvasColor(board, 44, 24), Base(A16));
}

TEST_F(Painting, AMoveLeavesTheGridAsAFullRepaintDrawsIt)
{
    SetUpGame(board, {{H08, 'R'}, {H12, 'p'}, {A01, 'K'}, {P16, 'k'}});
    board.SetLineStyle(QPen(QColor(255, 0, 0)));
    board.SetBoardLines(true);
    board.SetAnimateMoves(false);
    // The last-move marks come with the main window's repaint after the turn; the grid is the subject here.
    board.SetShowLastMove(false);
    ASSERT_TRUE(board.move(H08, H12));
    const QImage afterMove = board.Canvas();
    board.Paint();
    EXPECT_EQ(afterMove, board.Canvas()) << "no black edge and no missing line is left behind";
}

TEST_F(Painting, DrawingABlankLeavesOnlyTheBase)
{
    SetUpGame(board, {{H08, 'R'}, {A01, 'K'}, {P16, 'k'}});
    board.Paint();
    EXPECT_NE(CanvasColor(board, SquareCentre(board, H08)), Base(H08));
    board.DrawPieceOnSquare(H08, ' ');
    EXPECT_EQ(CanvasColor(board, SquareCentre(board, H08)), Base(H08));
}

// ---- Textures ----------------------------------------------------------------------

QImage Gradient(int w, int h)
{
    QImage texture(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            texture.setPixel(x, y, qRgb(x * 8, y * 8, 128));
    return texture;
}

TColor TexturePixel(const QImage& texture, int x, int y)
{
    const QRgb pixel = texture.pixel(x % texture.width(), y % texture.height());
    return PlatformRgb(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

TEST_F(Painting, TextureTilesFromTheBoardsOriginAcrossSquaresAndAfterClearSquare)
{
    SetUpGame(board, {});
    const QImage texture = Gradient(30, 30);
    board.SetSquareLight(texture);
    const QImage before = board.Canvas();
    for (const Square sq : {B16, A15, P16, G09}) {
        const QRect square = board.Geometry().SquareRect(sq);
        for (int y = square.top(); y <= square.bottom(); ++y)
            for (int x = square.left(); x <= square.right(); ++x)
                ASSERT_EQ(CanvasColor(board, x, y), TexturePixel(texture, x, y))
                    << TVeltanBrdKernel::SquareToString(sq) << " at " << x << "," << y;
        board.ClearSquare(sq);
    }
    EXPECT_EQ(board.Canvas(), before) << "a single square repaints exactly as the full repaint";
    EXPECT_EQ(CanvasColor(board, SquareCentre(board, A16)), Dark) << "dark squares keep their colour";
}

TEST_F(Painting, BorderTextureTilesFromTheOrigin)
{
    SetUpGame(board, {});
    const QImage texture = Gradient(17, 13);
    board.SetBorderBitmap(texture);
    for (const QPoint at :
         {QPoint(5, 5), QPoint(10, 400), QPoint(800, 12), QPoint(400, 805), QPoint(805, 700)})
        EXPECT_EQ(CanvasColor(board, at), TexturePixel(texture, at.x(), at.y())) << at.x() << "," << at.y();
    board.SetBorderBitmap(QImage());
    EXPECT_EQ(CanvasColor(board, 10, 400), Border) << "an empty bitmap brings the colour back";
}

TEST_F(Painting, RedrawBoardRepaintsWithoutFitting)
{
    SetUpGame(board, {{H08, 'R'}, {A01, 'K'}, {P16, 'k'}});
    board.Paint();
    const QImage full = board.Canvas();
    board.ClearSquare(H08);
    int paints = 0;
    board.OnPaint = [&](TVeltanBrdKernel&) { ++paints; };
    board.RedrawBoard();
    EXPECT_EQ(paints, 0);
    EXPECT_EQ(board.Canvas(), full);
    EXPECT_EQ(board.SizeOfSquare(), 48);
}

} // namespace
