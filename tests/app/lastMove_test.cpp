// The last move shown on the canvas: its own colour on the from- and
// to-squares of the latest turn's moves, under the green and over the yellow.

#include <QAction>

#include "appTestSupport.h"
#include "setupGame.h"

namespace {

class LastMoveShown : public TMainWindowTest {
protected:
    // The pixel just inside a square's top-left corner, where no piece is drawn.
    TColor Corner(Square sq) { return CanvasColor(SquareOrigin(sq) + QPoint(2, 2)); }
    bool Marked(Square sq)
    {
        const TColor colour = Corner(sq);
        return colour == Board().SquareColorLightLastMove() || colour == Board().SquareColorDarkLastMove();
    }
};

} // namespace

TEST_F(LastMoveShown, AfterAMoveAndAfterAJumpBack)
{
    SetUpPosition({{H01, 'K'}, {A02, 'P'}, {P16, 'k'}, {B15, 'p'}});
    PressCtrl(Qt::Key_S);
    Drag(A02, A03);
    EXPECT_TRUE(Marked(A02));
    EXPECT_TRUE(Marked(A03));
    Drag(B15, B14);
    EXPECT_TRUE(Marked(B15));
    EXPECT_TRUE(Marked(B14));
    EXPECT_FALSE(Marked(A02));

    ASSERT_TRUE(Board().GotoMove(1));
    EXPECT_TRUE(Marked(A02));
    EXPECT_TRUE(Marked(A03));
    EXPECT_FALSE(Marked(B14));

    auto* const toggle = Window().findChild<QAction*>(QStringLiteral("MnuItemShowLastMove"));
    ASSERT_NE(toggle, nullptr);
    EXPECT_TRUE(toggle->isChecked());
    toggle->trigger();
    EXPECT_FALSE(Marked(A02));
}

TEST_F(LastMoveShown, NoneInANewGame)
{
    SetUpPosition({{H01, 'K'}, {A02, 'P'}, {P16, 'k'}, {B15, 'p'}});
    PressCtrl(Qt::Key_S);
    Drag(A02, A03);
    PressCtrl(Qt::Key_S);
    ASSERT_TRUE(Marked(A02));
    ASSERT_TRUE(SetupGame(Board(), TGameSetup{}));
    EXPECT_FALSE(Marked(A02));
    EXPECT_FALSE(Marked(A03));
}

TEST_F(LastMoveShown, ACastlingMarksTheSquaresItsRecordHolds)
{
    SetUpPosition({{H01, 'K'}, {P01, 'R'}, {P16, 'k'}, {A15, 'p'}});
    PressCtrl(Qt::Key_S);
    Drag(H01, P01);
    ASSERT_EQ(Board().LastMove, 1);
    EXPECT_TRUE(Marked(H01));
    EXPECT_TRUE(Marked(P01));
    EXPECT_FALSE(Marked(O01));
}

TEST_F(LastMoveShown, AllMovesOfTheTurnUpToTheRecordShown)
{
    SetUpPosition({{H01, 'K'}, {A02, 'P'}, {C02, 'P'}, {P16, 'k'}, {B15, 'p'}, {D15, 'p'}}, 2);
    PressCtrl(Qt::Key_S);
    Drag(A02, A03);
    Drag(C02, C03);
    EXPECT_TRUE(Marked(A02));
    EXPECT_TRUE(Marked(C03));
    Drag(B15, B14);
    EXPECT_TRUE(Marked(B15));
    EXPECT_FALSE(Marked(A02));
}
