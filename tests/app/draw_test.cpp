// A draw found by the board ends the game: the players are told, the clock
// stops, and the final position and the moves stay for a look back.

#include "appTestSupport.h"

namespace {

class DrawEndsTheGame : public TMainWindowTest {};

TEST_F(DrawEndsTheGame, TooLittleMaterialEndsItWithTheFinalPositionKept)
{
    SetUpPosition({{A01, 'K'}, {B01, 'N'}, {P16, 'k'}, {O16, 'b'}});
    PressCtrl(Qt::Key_S);
    bool clockRanWhileOpen = true;
    dialogs.whileOpen = [&](const TAnsweringDialogs::TMessage&) {
        clockRanWhileOpen = Window().ClockRunning();
    };
    const double whiteBefore = Board().TimeLeftWhite();

    Drag(B01, D04);
    const QString statusAfterMove = Status();
    DeliverNotices();

    ASSERT_EQ(dialogs.Texts(), std::vector<QString>{QStringLiteral("Draw")});
    EXPECT_EQ(dialogs.messages.front().icon, QMessageBox::Information);
    EXPECT_EQ(dialogs.messages.front().caption, QStringLiteral("Veltan. The battle is about to unleash"));
    EXPECT_FALSE(clockRanWhileOpen);
    EXPECT_TRUE(Board().GameEnded());
    EXPECT_FALSE(Board().isEnabled());
    EXPECT_FALSE(Window().ClockRunning());
    EXPECT_EQ(Status(), statusAfterMove);
    EXPECT_FALSE(Status().contains(QStringLiteral("stopped")));

    // No new game: the move, its record and the position are still there.
    EXPECT_EQ(Board().LastMove, 1);
    EXPECT_EQ(Board().MoveList[1].OldSquare, B01);
    EXPECT_EQ(Board().MoveList[1].NewSquare, D04);
    EXPECT_EQ(Board().PieceOn(D04), 'N');
    EXPECT_EQ(Board().PieceOn(B01), ' ');
    Window().ItsShowTime();
    EXPECT_DOUBLE_EQ(Board().TimeLeftWhite(), whiteBefore + Board().TimeIncrementWhite());
}

TEST_F(DrawEndsTheGame, ARepetitionEndsItAndCannotBeResumedIntoAFrozenGame)
{
    // Rooks keep the material up; the two kings walk to and fro.
    SetUpPosition({{A01, 'K'}, {A02, 'R'}, {P16, 'k'}, {P15, 'r'}});
    PressCtrl(Qt::Key_S);
    const std::pair<Square, Square> shuffle[] = {{A01, B01}, {P16, O16}, {B01, A01}, {O16, P16}};
    int moves = 0;
    while (!Board().GameEnded() && moves < 64) {
        const auto& [from, to] = shuffle[moves % 4];
        ASSERT_TRUE(Board().move(from, to)) << "move " << moves;
        ++moves;
    }
    DeliverNotices();
    ASSERT_EQ(dialogs.Texts(), std::vector<QString>{QStringLiteral("Draw")});
    ASSERT_TRUE(Board().IsThreefoldPosition());
    EXPECT_FALSE(Window().ClockRunning());
    const int lastMove = Board().LastMove;

    // With the repetition standing no move is legal: starting again would only
    // run a clock out. The players are told it is a draw and play stays ended.
    PressCtrl(Qt::Key_S);
    DeliverNotices();
    EXPECT_EQ(dialogs.Texts().back(), QStringLiteral("Draw"));
    EXPECT_EQ(dialogs.messages.size(), 2u);
    EXPECT_TRUE(Board().GameEnded());
    EXPECT_FALSE(Window().ClockRunning());
    EXPECT_EQ(Board().LastMove, lastMove);

    // Stepping back out of the repetition lets play go on from there.
    ASSERT_TRUE(Board().GotoMove(2));
    PressCtrl(Qt::Key_S);
    EXPECT_FALSE(Board().GameEnded());
    EXPECT_TRUE(Window().ClockRunning());
}

} // namespace
