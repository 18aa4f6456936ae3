// Setting up a game from the dialog's choices, on the game alone: every
// setting lands on the board, the catalogue's entry is placed with White and
// player 1 to move, and a choice the dialog does not offer changes nothing.

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "optionsSupport_test.h"
#include "setupGame.h"
#include "startPositionCatalogue.h"

namespace {

TEST(SetupGameTest, EverySettingReachesTheBoard)
{
    const std::vector<TGameSetup> setups = {
        {0, 0, 5, 5, 60, 60, 1, 4}, {1, 2, 0, 60, 15, 120, 4, 4},  {2, 1, 7, 3, 17, 29, 2, 2},
        {2, 2, -3, 0, 0, 1, 1, 1},  {0, 1, 30, 45, 105, 75, 2, 4}, {1, 0, INT_MAX, INT_MIN, INT_MAX, 1, 1, 2},
    };
    for (const TGameSetup& s : setups) {
        TVeltanBrdKernel board;
        board.SetWhiteToMove(false);
        board.SetCurrentTeamPlayer('3');
        board.SetMovesMovedInTurn(1);
        const std::string what = "entry " + std::to_string(s.startPositionIndex) + " shift " +
                                 std::to_string(s.rowShift) + " players " + std::to_string(s.playersPerTeam);
        ASSERT_TRUE(SetupGame(board, s)) << what;

        EXPECT_EQ(board.StartPositionType(), s.startPositionIndex) << what;
        EXPECT_EQ(board.StartPositionRowShift(), s.rowShift) << what;
        EXPECT_EQ(board.TimeIncrementBlack(), s.incrementBlackSeconds / 86400.0) << what;
        EXPECT_EQ(board.TimeIncrementWhite(), s.incrementWhiteSeconds / 86400.0) << what;
        EXPECT_EQ(board.TimeStartWhite(), s.timeWhiteMinutes / 1440.0) << what;
        EXPECT_EQ(board.TimeStartBlack(), s.timeBlackMinutes / 1440.0) << what;
        EXPECT_EQ(board.TimeLeftWhite(), board.TimeStartWhite()) << what;
        EXPECT_EQ(board.TimeLeftBlack(), board.TimeStartBlack()) << what;
        EXPECT_EQ(board.PlayersPerTeam(), s.playersPerTeam) << what;
        EXPECT_EQ(board.MovesPerTeamTurn(), s.movesPerTeamTurn) << what;
        EXPECT_EQ(board.MovesPerPlayerTurn(), s.movesPerTeamTurn / s.playersPerTeam) << what;
        EXPECT_TRUE(board.WhiteToMove()) << what;
        EXPECT_EQ(board.CurrentTeamPlayer(), '1') << what;
        EXPECT_EQ(board.MovesMadeInTurn(), 0) << what;

        const std::string position = catalogue::CataloguePosition(s.startPositionIndex, s.rowShift);
        const std::string players =
            catalogue::CataloguePlayers(s.startPositionIndex, s.rowShift, s.playersPerTeam);
        EXPECT_EQ(board.position(), position) << what;
        EXPECT_EQ(board.players(), players) << what;
        EXPECT_EQ(board.StartPosition(), position) << what;
        EXPECT_EQ(board.StartPlayers(), players) << what;
        EXPECT_EQ(board.LastMove, 0) << what;
        EXPECT_EQ(board.MoveList[0].position, position) << what;
        EXPECT_EQ(board.MoveList[0].players, players) << what;
        EXPECT_TRUE(board.MoveList[0].WhiteTeamIsPlaying) << what;
        EXPECT_EQ(board.MoveList[0].TimeLeft, board.TimeStartWhite()) << what;
        std::string why;
        EXPECT_TRUE(board.CheckConsistency(why)) << what << ": " << why;

        // The next new game starts from the same arrangement.
        board.NewGame();
        EXPECT_EQ(board.position(), position) << what;
    }
}

TEST(SetupGameTest, ChoicesTheDialogDoesNotOfferChangeNothing)
{
    const std::vector<TGameSetup> refused = {
        {-1, 0, 5, 5, 60, 60, 1, 4}, {3, 0, 5, 5, 60, 60, 1, 4}, {0, -1, 5, 5, 60, 60, 1, 4},
        {0, 3, 5, 5, 60, 60, 1, 4},  {0, 0, 5, 5, 60, 60, 0, 4}, {0, 0, 5, 5, 60, 60, 3, 4},
        {0, 0, 5, 5, 60, 60, 1, 3},  {0, 0, 5, 5, 60, 60, 1, 8}, {0, 0, 5, 5, 60, 60, 4, 2},
        {0, 0, 5, 5, 60, 60, 2, 1},  {0, 0, 5, 5, 60, 60, 1, 0}, {0, 300, 5, 5, 60, 60, 1, 4},
    };
    for (const TGameSetup& s : refused) {
        TVeltanBrdKernel board;
        board.InitOptions();
        board.NewGame();
        const auto moves = LegalMoves(board);
        ASSERT_FALSE(moves.empty());
        ASSERT_TRUE(board.move(moves.front().first, moves.front().second));
        const std::string position = board.position();
        const double time = board.TimeStartWhite();
        const int players = board.PlayersPerTeam();
        const auto type = board.StartPositionType();
        EXPECT_FALSE(IsOfferedGameSetup(s));
        EXPECT_FALSE(SetupGame(board, s));
        EXPECT_EQ(board.position(), position);
        EXPECT_EQ(board.TimeStartWhite(), time);
        EXPECT_EQ(board.PlayersPerTeam(), players);
        EXPECT_EQ(board.StartPositionType(), type);
        EXPECT_EQ(board.LastMove, 1);
        EXPECT_EQ(board.MoveList[1].OldSquare, moves.front().first);
    }
}

} // namespace
