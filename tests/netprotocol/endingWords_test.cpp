// An `ended` event's words against the board that followed the game: each
// ending the rules reach is told in words that board agrees with, and the
// other team's win in its place is caught.

#include <gtest/gtest.h>

#include "endingGames.h"
#include "endingWords.h"

namespace {

class EndingWords : public testing::TestWithParam<TEndingGame> {};

TEST_P(EndingWords, AgreeWithTheBoardThatReachedThem)
{
    const TEndingGame& c = GetParam();
    TRecordingKernel board;
    board.OnDraw = [](TVeltanBrdKernel&) {};
    SetUpGame(board, c.start, c.movesPerTeamTurn);
    c.play(board);
    ASSERT_EQ(board.LineEnding(), c.ending);
    const net::TEndingWords words = net::EndingWords(c.ending);
    ASSERT_FALSE(words.reason.isEmpty());
    EXPECT_EQ(net::EndingDisagreement(words.result, words.reason, board).toStdString(), "");
    const QString other =
        words.result == QLatin1String("white") ? QStringLiteral("black") : QStringLiteral("white");
    const bool onTheBoard = words.reason != QLatin1String("time");
    EXPECT_EQ(net::EndingDisagreement(other, words.reason, board).isEmpty(), !onTheBoard)
        << "the wrong result for " << c.name;
}

INSTANTIATE_TEST_SUITE_P(Games, EndingWords, testing::ValuesIn(AllEndingGames()), EndingGameName);

} // namespace
