// A saved game loads back identically into a fresh program: every record
// field, the settings, the clocks and the turn state; and saving it again
// writes the same records.

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "gameDocuments.h"
#include "gameFileWriter.h"
#include "gameLoader.h"
#include "gamePlay.h"
#include "gameSnapshot.h"
#include "gameTestHost.h"

namespace {

struct RoundTripCase {
    const char* name;
    TTurnSettings settings;
    int moves;
};

void PrintTo(const RoundTripCase& c, std::ostream* os)
{
    *os << c.name;
}

class GameFileRoundTrip : public testing::TestWithParam<RoundTripCase> {};

TEST_P(GameFileRoundTrip, LoadsBackWhatWasSaved)
{
    const RoundTripCase& c = GetParam();
    TVeltanBrdKernel original;
    StartGame(original, c.settings);
    ASSERT_EQ(
        PlayMoves(original, c.moves, static_cast<std::uint32_t>(c.moves * 31 + c.settings.playersPerTeam)),
        c.moves);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("game.xml"));
    ASSERT_TRUE(SaveGameFile(path, original, TestGameStamp).done);

    TVeltanBrdKernel loaded;
    TTestGameHost host(loaded);
    const TGameFileOutcome outcome = LoadGameFile(path, loaded, host);
    ASSERT_TRUE(outcome.done) << outcome.message.toStdString();

    const TGameSnapshot was = Snapshot(original);
    const TGameSnapshot is = Snapshot(loaded);
    ASSERT_EQ(is.records.size(), was.records.size());
    for (std::size_t n = 1; n < was.records.size(); ++n)
        EXPECT_EQ(is.records[n], was.records[n]) << "record " << n;
    EXPECT_EQ(is.lastMove, c.moves);
    EXPECT_EQ(is.position, was.position);
    EXPECT_EQ(is.players, was.players);
    EXPECT_EQ(is.playersPerTeam, was.playersPerTeam);
    EXPECT_EQ(is.movesPerTeamTurn, was.movesPerTeamTurn);
    EXPECT_EQ(is.movesPerPlayerTurn, was.movesPerPlayerTurn);
    EXPECT_EQ(loaded.TimeLeftWhite(), original.TimeLeftWhite());
    EXPECT_EQ(loaded.TimeLeftBlack(), original.TimeLeftBlack());
    EXPECT_EQ(loaded.TimeIncrementWhite(), original.TimeIncrementWhite());
    EXPECT_EQ(loaded.TimeIncrementBlack(), original.TimeIncrementBlack());
    EXPECT_EQ(is.whiteToMove, was.whiteToMove);
    EXPECT_EQ(is.currentTeamPlayer, was.currentTeamPlayer);
    EXPECT_EQ(is.movedPerTurn, was.movedPerTurn);
    EXPECT_FALSE(loaded.TurnMustSwitch());
    EXPECT_FALSE(loaded.GameEnded());
    std::string why;
    EXPECT_TRUE(loaded.CheckConsistency(why)) << why;

    EXPECT_EQ(SavedDocument(loaded), SavedDocument(original));
}

// Every turn setting the options offer, ending on a completed turn and, where
// a turn has more than one move, in the middle of one.
INSTANTIATE_TEST_SUITE_P(TurnSettings, GameFileRoundTrip,
                         testing::Values(RoundTripCase{"OneMove", {1, 1}, 9},
                                         RoundTripCase{"TwoMovesOnePlayer", {2, 1}, 8},
                                         RoundTripCase{"TwoMovesOnePlayerMidTurn", {2, 1}, 9},
                                         RoundTripCase{"TwoMovesTwoPlayers", {2, 2}, 12},
                                         RoundTripCase{"TwoMovesTwoPlayersMidTurn", {2, 2}, 11},
                                         RoundTripCase{"FourMovesOnePlayer", {4, 1}, 16},
                                         RoundTripCase{"FourMovesOnePlayerMidTurn", {4, 1}, 14},
                                         RoundTripCase{"FourMovesTwoPlayers", {4, 2}, 16},
                                         RoundTripCase{"FourMovesTwoPlayersMidTurn", {4, 2}, 19},
                                         RoundTripCase{"FourMovesFourPlayers", {4, 4}, 24},
                                         RoundTripCase{"FourMovesFourPlayersMidTurn", {4, 4}, 22}),
                         [](const testing::TestParamInfo<RoundTripCase>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
