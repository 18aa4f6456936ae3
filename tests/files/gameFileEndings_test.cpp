// How a game ended survives its game file: every ending loads back as the
// same ending, a loss on time included, and the clocks keep their milliseconds.

#include <gtest/gtest.h>

#include "endingGames.h"
#include "gameDocuments.h"
#include "gameFileReader.h"
#include "gameLoader.h"
#include "gamePlay.h"
#include "gameTestHost.h"

namespace {

void Load(TVeltanBrdKernel& board, const QByteArray& document)
{
    const TGameFileReading reading = ParseGameFile(document);
    ASSERT_TRUE(reading.Passed()) << reading.problem.toStdString();
    TTestGameHost host(board);
    ApplyGameFile(reading.game, board, host);
}

class GameFileEndings : public testing::TestWithParam<TEndingGame> {};

TEST_P(GameFileEndings, LoadBackAsTheEndingTheGameReached)
{
    const TEndingGame& c = GetParam();
    TRecordingKernel played;
    played.OnDraw = [](TVeltanBrdKernel&) {};
    SetUpGame(played, c.start, c.movesPerTeamTurn);
    c.play(played);
    ASSERT_EQ(played.LineEnding(), c.ending);

    TRecordingKernel loaded;
    Load(loaded, SavedDocument(played));
    EXPECT_EQ(loaded.LastMove, played.LastMove);
    EXPECT_EQ(loaded.Ending(), c.ending);
    EXPECT_EQ(loaded.LineEnding(), c.ending);

    // Saved from an earlier record, the file holds a game that went on.
    ASSERT_TRUE(played.GotoMove(played.LastMove - 1));
    TRecordingKernel earlier;
    Load(earlier, SavedDocument(played));
    EXPECT_EQ(earlier.LineEnding(), TGameEnding::None);
}

INSTANTIATE_TEST_SUITE_P(Games, GameFileEndings, testing::ValuesIn(AllEndingGames()), EndingGameName);

struct ClockCase {
    const char* name;
    double seconds;
};

void PrintTo(const ClockCase& c, std::ostream* os)
{
    *os << c.name;
}

class GameFileClocks : public testing::TestWithParam<ClockCase> {};

TEST_P(GameFileClocks, KeepTheMillisecond)
{
    TVeltanBrdKernel played;
    StartGame(played, {1, 1});
    ASSERT_EQ(PlayMoves(played, 2, 5), 2);
    const double days = GetParam().seconds / 86'400.0;
    played.MoveList[2].TimeLeft = days;

    TVeltanBrdKernel loaded;
    Load(loaded, SavedDocument(played));
    EXPECT_NEAR(loaded.MoveList[2].TimeLeft * 86'400'000.0, GetParam().seconds * 1000.0, 0.01);
    EXPECT_NEAR(loaded.TimeLeftBlack() * 86'400'000.0, GetParam().seconds * 1000.0, 0.01);
}

INSTANTIATE_TEST_SUITE_P(Clocks, GameFileClocks,
                         testing::Values(ClockCase{"FourTenthsOfASecond", 0.4}, ClockCase{"SixTenths", 0.6},
                                         ClockCase{"JustBelowAnHour", 3599.9}),
                         [](const testing::TestParamInfo<ClockCase>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
