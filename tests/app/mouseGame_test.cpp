// Whole games played the way players play them: by dragging pieces with the mouse.

#include "appTestSupport.h"

namespace {

using TMoves = std::vector<std::pair<Square, Square>>;

struct TMouseGameRow {
    const char* name;
    std::vector<TPlaced> pieces;
    int movesPerTeamTurn;
    TMoves moves;
    const char* winner;
    const char* statusAtEnd;
};

void PrintTo(const TMouseGameRow& row, std::ostream* os)
{
    *os << row.name;
}

class MouseGame : public TMainWindowTest, public ::testing::WithParamInterface<TMouseGameRow> {};

TEST_P(MouseGame, IsPlayedToAWinAndEnds)
{
    const TMouseGameRow& row = GetParam();
    SetUpPosition(row.pieces, row.movesPerTeamTurn);
    PressCtrl(Qt::Key_S);
    ASSERT_TRUE(Window().ClockRunning());

    int made = 0;
    for (const auto& [from, to] : row.moves) {
        const char piece = Board().PieceOn(from);
        Drag(from, to);
        ++made;
        ASSERT_EQ(Board().LastMove, made) << "drag " << made << " was not taken as a move";
        EXPECT_EQ(Board().PieceOn(to), piece);
        EXPECT_EQ(Board().PieceOn(from), ' ');
        // The square left behind shows no piece any more, only the colour
        // that marks the last move on a square of its shade.
        const QPoint middle = SquareOrigin(from) + QPoint(24, 24);
        const TColor bare = Board().ColorOfSquare(from) == 1 ? Board().SquareColorDarkLastMove()
                                                             : Board().SquareColorLightLastMove();
        EXPECT_EQ(CanvasColor(middle), bare) << "after drag " << made;
    }
    DeliverNotices();

    ASSERT_EQ(dialogs.Texts(), std::vector<QString>{QString::fromUtf8(row.winner)});
    EXPECT_EQ(dialogs.messages.front().caption, QStringLiteral("Veltan. The battle is about to unleash"));
    EXPECT_TRUE(Board().GameEnded());
    EXPECT_FALSE(Board().isEnabled());
    EXPECT_FALSE(Window().ClockRunning());
    EXPECT_EQ(Status().toStdString(), row.statusAtEnd) << "the line keeps the text of the last move";

    // An ended game takes no more drags, and its clocks stand.
    const double white = Board().TimeLeftWhite();
    const double black = Board().TimeLeftBlack();
    const int lastMove = Board().LastMove;
    Drag(row.moves.back().second, row.moves.front().first);
    Window().ItsShowTime();
    EXPECT_EQ(Board().LastMove, lastMove);
    EXPECT_EQ(Board().TimeLeftWhite(), white);
    EXPECT_EQ(Board().TimeLeftBlack(), black);
}

INSTANTIATE_TEST_SUITE_P(
    Games, MouseGame,
    ::testing::Values(
        // The rook runs up the B file and along rank 16 to the king.
        TMouseGameRow{"WhiteRookHuntsTheKing",
                      {{A01, 'K'}, {B02, 'R'}, {P16, 'k'}, {A12, 'p'}},
                      1,
                      {{B02, B16}, {A12, A11}, {B16, P16}},
                      "White has won!",
                      "Black  has 1 move  left in this turn;"},
        // Two moves a turn: Black's queen and rook take both white kings in one turn.
        TMouseGameRow{"BlackTakesBothKingsInOneTurn",
                      {{A01, 'K'}, {P01, 'K'}, {H16, 'k'}, {H08, 'q'}, {P16, 'r'}, {C03, 'P'}, {N03, 'P'}},
                      2,
                      {{C03, C04}, {N03, N04}, {H08, A01}, {P16, P01}},
                      "Black has won!",
                      "White  has 2 moves  left in this turn;"}),
    [](const ::testing::TestParamInfo<TMouseGameRow>& info) { return std::string(info.param.name); });

class MouseGameClock : public TMainWindowTest {};

TEST_F(MouseGameClock, AfterBlacksWinningMoveTheLabelsKeepWhatThatMoveShowed)
{
    SetUpPosition({{A01, 'K'}, {H16, 'k'}, {H08, 'q'}, {C03, 'P'}});
    PressCtrl(Qt::Key_S);
    Drag(C03, C04);
    const double blackBefore = Board().TimeLeftBlack();
    Drag(H08, A01);
    DeliverNotices();
    ASSERT_TRUE(Board().GameEnded());
    // The record holds Black's time with the move's increment; the label was
    // written before it was added.
    EXPECT_DOUBLE_EQ(Board().MoveList[2].TimeLeft, blackBefore + Board().TimeIncrementBlack());
    EXPECT_EQ(BlackClock(), QStringLiteral("Black 1:00:00"));
    EXPECT_EQ(Board().TimeLeftBlack(), Board().MoveList[2].TimeLeft);
}

} // namespace
