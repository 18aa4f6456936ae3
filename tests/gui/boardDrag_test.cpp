// Moving a piece with the mouse: press, drag past the drag distance, drop;
// and every way a drag is refused or given up.

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include "boardTestSupport.h"

namespace {

constexpr TColor LightGreen = 0xAAFCA1;
constexpr TColor DarkGreen = PlatformRgb(192, 220, 192);

class Dragging : public ::testing::Test {
protected:
    void SetUp() override
    {
        ApplyMainWindowLook(board);
        board.SetAnimateMoves(false);
        // White rook on H08 with a black pawn to take on H12; the kings keep the game going.
        SetUpGame(board, {{H08, 'R'}, {H12, 'p'}, {C03, 'P'}, {A01, 'K'}, {P16, 'k'}});
        board.OnIllegalMove = [this](TVeltanBrdKernel&, Square sq) { illegal.push_back(sq); };
        board.OnLegalMove = [this](TVeltanBrdKernel&, Square from, Square to) {
            moves.emplace_back(from, to);
        };
        board.OnEndDrag = [this](TVeltanBrd&, int, int, bool dropped) { endDrags.push_back(dropped); };
        board.OnStartDrag = [this](TVeltanBrd&, Square) { ++startDrags; };
        board.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&board));
        QApplication::processEvents();
        ASSERT_TRUE(board.isEnabled());
    }

    QPoint At(Square sq) const { return SquareCentre(board, sq); }

    void Press(QPoint at) { QTest::mousePress(&board, Qt::LeftButton, Qt::NoModifier, at); }
    void MoveTo(QPoint at) { QTest::mouseMove(&board, at); }
    void Release(QPoint at) { QTest::mouseRelease(&board, Qt::LeftButton, Qt::NoModifier, at); }

    int GreenSquares() const
    {
        int count = 0;
        for (int sq = 1; sq <= SquareCount; ++sq) {
            const TColor colour = CanvasColor(board, SquareSamplePoint(board, static_cast<Square>(sq)));
            count += colour == LightGreen || colour == DarkGreen ? 1 : 0;
        }
        return count;
    }

    // Pixels of a square that differ from its base colour.
    int PiecePixels(Square sq) const
    {
        const QRect square = board.Geometry().SquareRect(sq);
        const TColor base = CanvasColor(board, SquareSamplePoint(board, sq));
        int count = 0;
        for (int y = square.top(); y <= square.bottom(); ++y)
            for (int x = square.left(); x <= square.right(); ++x)
                count += CanvasColor(board, x, y) != base ? 1 : 0;
        return count;
    }

    TVeltanBrd board;
    std::vector<Square> illegal;
    std::vector<std::pair<Square, Square>> moves;
    std::vector<bool> endDrags;
    int startDrags = 0;
};

// A press on a piece, a path of pointer moves, a release; what became of it.
struct DragCase {
    const char* name;
    Square from;
    std::vector<QPoint> path; // offsets from the centre of `from`
    QPoint release;           // offset from the centre of `from`
    bool moved;
    bool refused;
};

void PrintTo(const DragCase& c, std::ostream* os)
{
    *os << c.name;
}

class DragScenario : public Dragging, public ::testing::WithParamInterface<DragCase> {};

TEST_P(DragScenario, EndsInAMoveOrPutsThePieceBack)
{
    const DragCase& c = GetParam();
    const QPoint origin = At(c.from);
    const std::string before = board.position();
    Press(origin);
    EXPECT_EQ(board.DragSourceSquare(), c.from);
    for (const QPoint& step : c.path)
        MoveTo(origin + step);
    Release(origin + c.release);

    const Square to = board.WindowToSquare(origin.x() + c.release.x(), origin.y() + c.release.y());
    if (c.moved) {
        ASSERT_EQ(moves.size(), 1u);
        EXPECT_EQ(moves[0], std::make_pair(c.from, to));
        EXPECT_EQ(board.PieceOn(to), before[static_cast<std::size_t>(c.from - 1)]);
        EXPECT_EQ(board.PieceOn(c.from), ' ');
    } else {
        EXPECT_TRUE(moves.empty());
        EXPECT_EQ(board.position(), before);
    }
    EXPECT_EQ(illegal, c.refused ? std::vector<Square>{c.from} : std::vector<Square>{});
    EXPECT_EQ(endDrags, std::vector<bool>{!c.refused});
    // Once the button is up without a move to make, the green destinations go too.
    EXPECT_EQ(GreenSquares(), 0);
    EXPECT_FALSE(board.PaintBoardLegalSquares());
    // The piece is on the canvas where the position says it is.
    EXPECT_GT(PiecePixels(c.moved ? to : c.from), 100);
    if (c.moved) {
        EXPECT_EQ(PiecePixels(c.from), 0);
    }
    EXPECT_EQ(board.cursor().shape(), Qt::ArrowCursor);
}

INSTANTIATE_TEST_SUITE_P(
    Scenarios, DragScenario,
    ::testing::Values(DragCase{"PressAndReleaseWithoutMoving", H08, {}, {0, 0}, false, true},
                      DragCase{"BelowTheDragDistance", H08, {{1, 1}}, {1, 1}, false, true},
                      DragCase{"DropBackOnTheOrigin", H08, {{30, 0}, {70, 0}, {5, 3}}, {5, 3}, false, false},
                      DragCase{"DropOnAnIllegalSquare", H08, {{48, -48}}, {48, -48}, false, true},
                      DragCase{"DropOnALegalSquare", H08, {{0, -40}, {0, -96}}, {0, -96}, true, false},
                      DragCase{"CaptureByDrop", H08, {{0, -100}, {0, -192}}, {0, -192}, true, false},
                      DragCase{"ReleaseOutsideTheBoard", H08, {{-200, 0}, {-500, 0}}, {-500, 0}, false, true},
                      DragCase{"ReleaseOnTheBorder", A01, {{0, 20}, {0, 30}}, {0, 30}, false, true},
                      DragCase{"PieceOfTheSideNotToMove", H12, {{0, 48}}, {0, 48}, false, true},
                      DragCase{
                          "PieceOfTheSideNotToMoveBackHome", H12, {{0, 48}, {0, 2}}, {0, 2}, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Dragging, PressOnAPieceShowsItsDestinationsInGreen)
{
    Press(At(H08));
    EXPECT_EQ(GreenSquares(), static_cast<int>(Destinations(board, H08).size()));
    EXPECT_TRUE(board.PaintBoardLegalSquares());
    EXPECT_EQ(board.lastAbandonedSquare(), H08);
    Release(At(H08));
}

TEST_F(Dragging, PressOnTheBorderStartsNoDrag)
{
    Press({10, 400});
    MoveTo({60, 400});
    Release({60, 400});
    EXPECT_EQ(board.DragSourceSquare(), SqrNone);
    EXPECT_EQ(board.lastAbandonedSquare(), SqrNone);
    EXPECT_EQ(startDrags, 0);
    EXPECT_TRUE(illegal.empty());
    EXPECT_TRUE(endDrags.empty());
    board.Paint();
    EXPECT_EQ(GreenSquares(), 0);
}

TEST_F(Dragging, PressOnAnEmptySquareStartsNoDrag)
{
    Press(At(D05));
    MoveTo(At(D05) + QPoint(30, 30));
    Release(At(D05) + QPoint(30, 30));
    EXPECT_EQ(startDrags, 0);
    EXPECT_TRUE(endDrags.empty());
    EXPECT_EQ(board.lastAbandonedSquare(), D05);
}

TEST_F(Dragging, CursorTellsWhereADropIsAccepted)
{
    Press(At(H08));
    MoveTo(At(H10));
    EXPECT_EQ(startDrags, 1);
    EXPECT_EQ(board.cursor().shape(), Qt::DragMoveCursor);
    MoveTo(At(I10));
    EXPECT_EQ(board.cursor().shape(), Qt::ForbiddenCursor);
    MoveTo(At(H08));
    EXPECT_EQ(board.cursor().shape(), Qt::DragMoveCursor) << "its own square accepts it";
    MoveTo({5, 5});
    EXPECT_EQ(board.cursor().shape(), Qt::ForbiddenCursor);
    Release(At(H08));
    EXPECT_EQ(board.cursor().shape(), Qt::ArrowCursor);
}

TEST_F(Dragging, EscapeGivesUpTheDrag)
{
    Press(At(H08));
    MoveTo(At(H10));
    QTest::keyClick(&board, Qt::Key_Escape);
    EXPECT_EQ(illegal, std::vector<Square>{H08});
    EXPECT_EQ(endDrags, std::vector<bool>{false});
    Release(At(H10));
    EXPECT_TRUE(moves.empty()) << "the release after Escape makes no move";
    EXPECT_EQ(board.PieceOn(H08), 'R');
}

TEST_F(Dragging, DisablingTheBoardGivesUpTheDrag)
{
    Press(At(H08));
    MoveTo(At(H10));
    board.SetGameEnded(true);
    EXPECT_EQ(illegal, std::vector<Square>{H08});
    EXPECT_FALSE(board.isEnabled());
}

TEST_F(Dragging, AnEndedGameTakesNoMouseInput)
{
    board.SetGameEnded(true);
    int presses = 0;
    board.OnMouseDown = [&](TVeltanBrd&, Qt::MouseButton, Qt::KeyboardModifiers, int, int) { ++presses; };
    Press(At(H08));
    Release(At(H08));
    EXPECT_EQ(presses, 0);
    EXPECT_EQ(board.DragSourceSquare(), SqrNone);
}

TEST_F(Dragging, HostSeesPressReleaseAndClickOnce)
{
    std::vector<std::string> seen;
    board.OnMouseDown = [&](TVeltanBrd&, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
        seen.push_back("down");
    };
    board.OnMouseUp = [&](TVeltanBrd&, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
        seen.push_back("up");
    };
    board.OnClick = [&](TVeltanBrd&) { seen.push_back("click"); };
    Press(At(H08));
    MoveTo(At(H10));
    Release(At(H10));
    Press(At(D05));
    Release(At(D05));
    EXPECT_EQ(seen, (std::vector<std::string>{"down", "up", "click", "down", "up", "click"}));
}

TEST_F(Dragging, AHostCannotNarrowWhatTheBoardAccepts)
{
    // A host may widen acceptance, never narrow it: the board still takes the legal square.
    board.OnDragOver = [](TVeltanBrd&, int, int, bool& accept) { accept = false; };
    Press(At(H08));
    MoveTo(At(H10));
    Release(At(H10));
    EXPECT_EQ(moves.size(), 1u);
}

TEST_F(Dragging, AHostAcceptingEverywhereNeverMovesOffTheBoard)
{
    board.OnDragOver = [](TVeltanBrd&, int, int, bool& accept) { accept = true; };
    Press(At(H08));
    MoveTo({400, 805}); // the border
    Release({400, 805});
    EXPECT_TRUE(moves.empty());
    EXPECT_EQ(endDrags, std::vector<bool>{true}) << "the host accepted the drop";
    EXPECT_EQ(board.PieceOn(H08), 'R');
    Press(At(H08));
    MoveTo({-40, 400}); // outside the widget
    Release({-40, 400});
    EXPECT_EQ(endDrags, (std::vector<bool>{true, false})) << "never accepted outside the board";
    EXPECT_EQ(illegal, std::vector<Square>{H08});
}

} // namespace
