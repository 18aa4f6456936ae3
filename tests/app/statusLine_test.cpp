// The status line after moves: the moves left, the next team player, and the
// turn passed on when a player cannot move; the running clock and the yellow
// current-player pieces follow the same settled turn.

#include "appTestSupport.h"

namespace {

using TMoves = std::vector<std::pair<Square, Square>>;

// Two players a team: White's player 1 has the pawns A04..D04, player 2 E04..H04;
// Black likewise on rank 13. Each team's king belongs to player 1.
const std::vector<TPlaced> TwoPlayerArmies = {
    {H01, 'K', '1'}, {A04, 'P', '1'}, {B04, 'P', '1'}, {C04, 'P', '1'}, {D04, 'P', '1'}, {E04, 'P', '2'},
    {F04, 'P', '2'}, {G04, 'P', '2'}, {H04, 'P', '2'}, {H16, 'k', '1'}, {A13, 'p', '1'}, {B13, 'p', '1'},
    {C13, 'p', '1'}, {D13, 'p', '1'}, {E13, 'p', '2'}, {F13, 'p', '2'}, {G13, 'p', '2'}, {H13, 'p', '2'},
};

// White's player 2 has nothing left to move.
const std::vector<TPlaced> WhitePlayerTwoGone = {
    {H01, 'K', '1'}, {A04, 'P', '1'}, {B04, 'P', '1'}, {H16, 'k', '1'}, {A13, 'p', '1'}, {E13, 'p', '2'},
};

struct TStatusRow {
    const char* name;
    std::vector<TPlaced> pieces; // empty: the standard start of the program
    int movesPerTeamTurn;
    int playersPerTeam;
    TMoves moves;
    const char* status;
};

void PrintTo(const TStatusRow& row, std::ostream* os)
{
    *os << row.name;
}

class StatusLine : public TMainWindowTest, public ::testing::WithParamInterface<TStatusRow> {};

TEST_P(StatusLine, ShowsTheSettledTurnAfterMoves)
{
    const TStatusRow& row = GetParam();
    if (!row.pieces.empty())
        SetUpPosition(row.pieces, row.movesPerTeamTurn, row.playersPerTeam);
    PressCtrl(Qt::Key_S);
    for (const auto& [from, to] : row.moves)
        ASSERT_TRUE(Board().move(from, to))
            << Board().SquareToString(from) << "-" << Board().SquareToString(to);
    DeliverNotices();
    EXPECT_EQ(Status().toStdString(), row.status);
}

INSTANTIATE_TEST_SUITE_P(
    Turns, StatusLine,
    ::testing::Values(
        TStatusRow{"AtStart", {}, 4, 1, {}, "White  has 4 moves  left in this turn;"},
        TStatusRow{"OneOfFour", {}, 4, 1, {{A04, A05}}, "White  has 3 moves  left in this turn;"},
        TStatusRow{"ThreeOfFour",
                   {},
                   4,
                   1,
                   {{A04, A05}, {B04, B05}, {C04, C05}},
                   "White  has 1 move  left in this turn;"},
        TStatusRow{"FourOfFour",
                   {},
                   4,
                   1,
                   {{A04, A05}, {B04, B05}, {C04, C05}, {D04, D05}},
                   "Black  has 4 moves  left in this turn;"},
        TStatusRow{
            "OneMoveATurn", TwoPlayerArmies, 1, 1, {{A04, A05}}, "Black  has 1 move  left in this turn;"},
        TStatusRow{"SecondPlayerNext",
                   TwoPlayerArmies,
                   2,
                   2,
                   {{A04, A05}},
                   "White  has 1 move  left in this turn; Player 2 to play"},
        TStatusRow{"BlackFirstPlayer",
                   TwoPlayerArmies,
                   2,
                   2,
                   {{A04, A05}, {E04, E05}},
                   "Black  has 2 moves  left in this turn; Player 1 to play"},
        TStatusRow{"PlayerWithNothingIsPassedOver",
                   WhitePlayerTwoGone,
                   2,
                   2,
                   {{A04, A05}},
                   "Black  has 2 moves  left in this turn; Player 1 to play"}),
    [](const ::testing::TestParamInfo<TStatusRow>& info) { return std::string(info.param.name); });

class SettledTurn : public TMainWindowTest {};

TEST_F(SettledTurn, AfterAForfeitTheClockOfTheTeamNowToMoveRuns)
{
    SetUpPosition(WhitePlayerTwoGone, 2, 2);
    PressCtrl(Qt::Key_S);
    ASSERT_TRUE(Board().move(A04, A05));
    ASSERT_FALSE(Board().WhiteToMove());
    const double white = Board().TimeLeftWhite();
    const double black = Board().TimeLeftBlack();
    Window().ItsShowTime();
    EXPECT_EQ(Board().TimeLeftWhite(), white);
    EXPECT_DOUBLE_EQ(Board().TimeLeftBlack(), black - ClockStep);
    // Both labels show the clocks of the settled turn, White's with its increment.
    EXPECT_EQ(WhiteClock(), QStringLiteral("White 1:00:04"));
    EXPECT_EQ(BlackClock(), QStringLiteral("Black 0:59:59"));
}

TEST_F(SettledTurn, TheYellowPiecesAreThoseOfThePlayerNowToMove)
{
    // The small built-in pieces leave each square's corner free to show its highlight.
    Board().SetCustomPieceSet(QImage());
    SetUpPosition(TwoPlayerArmies, 2, 2);
    const auto isYellow = [this](Square sq) {
        const TColor colour = CanvasColor(SquareOrigin(sq) + QPoint(1, 1));
        return colour == Board().SquareColorLightYellow() || colour == Board().SquareColorDarkYellow();
    };
    PressCtrl(Qt::Key_S);
    EXPECT_TRUE(isYellow(B04)) << "White's player 1 is to move";
    EXPECT_FALSE(isYellow(F04));

    ASSERT_TRUE(Board().move(A04, A05));
    EXPECT_FALSE(isYellow(B04));
    EXPECT_TRUE(isYellow(F04)) << "White's player 2 is to move";

    ASSERT_TRUE(Board().move(E04, E05));
    EXPECT_FALSE(isYellow(F04));
    EXPECT_TRUE(isYellow(B13)) << "Black's player 1 is to move";

    // Stopped play shows nobody's pieces in yellow.
    PressCtrl(Qt::Key_S);
    EXPECT_FALSE(isYellow(B13));
}

} // namespace
