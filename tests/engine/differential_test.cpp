// The engine against the kernel: in every position of many random games the
// engine generates exactly the moves the kernel's MoveIsLegal accepts, and
// after the same move both games stand in the same state.

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "engineTestGames.h"

namespace {

using namespace enginetest;

// Games per setting; sanitizer and debug builds play fewer. The environment
// variable VELTAN_ENGINE_DIFFERENTIAL_GAMES overrides the count for long runs.
int GamesPerSetting()
{
    if (const char* text = std::getenv("VELTAN_ENGINE_DIFFERENTIAL_GAMES")) {
        const int games = std::atoi(text);
        if (games > 0)
            return games;
    }
#ifdef VELTAN_ENGINE_SHORT_RUN
    return 1;
#else
    return 3;
#endif
}

enum class Policy { PreferCaptures, Uniform, ShuffleBack };

// Picks the next move: captures to reach the ends of games, anything to see
// quiet positions, or the team's last turn played backwards so that
// positions recur and the repetition rule comes into force.
class MovePicker {
public:
    MovePicker(Policy policy, unsigned seed) : policy_(policy), random_(seed) {}

    SquarePair Pick(const TVeltanBrdKernel& board, const std::vector<SquarePair>& moves)
    {
        const int team = board.WhiteToMove() ? 0 : 1;
        if (board.MovesMadeInTurn() == 0) {
            previous_[team] = current_[team];
            current_[team].clear();
        }
        SquarePair chosen = moves[random_() % moves.size()];
        if (policy_ == Policy::PreferCaptures && random_() % 4 != 0) {
            std::vector<SquarePair> captures;
            for (const SquarePair& m : moves) {
                if (board.PieceOn(m.second) != ' ')
                    captures.push_back(m);
            }
            if (!captures.empty())
                chosen = captures[random_() % captures.size()];
        } else if (policy_ == Policy::ShuffleBack) {
            const std::size_t made = current_[team].size();
            const auto& last = previous_[team];
            if (made < last.size()) {
                const SquarePair back{last[made].second, last[made].first};
                if (std::find(moves.begin(), moves.end(), back) != moves.end())
                    chosen = back;
            }
        }
        current_[team].push_back(chosen);
        return chosen;
    }

private:
    Policy policy_;
    std::mt19937 random_;
    std::array<std::vector<SquarePair>, 2> previous_, current_;
};

class Differential : public testing::TestWithParam<GameSetting> {};

TEST_P(Differential, EngineMovesAndStatesMatchTheKernel)
{
    const GameSetting s = GetParam();
    const int games = GamesPerSetting();
    int positions = 0;
    int repetitions = 0;
    for (int g = 0; g < games; ++g) {
        const Policy policy = static_cast<Policy>(g % 3);
        const int maxMoves = policy == Policy::ShuffleBack ? 110 : 45;
        MovePicker picker(policy,
                          static_cast<unsigned>(1000 * g + 37 * s.rowShift + 11 * s.movesPerTeamTurn +
                                                3 * s.playersPerTeam + static_cast<int>(s.arrangement)));
        TVeltanBrdKernel board;
        StartGame(board, s);
        engine::TEngineGame game(board, board.StartPosition());
        ASSERT_TRUE(SameState(board, game));
        for (int moveno = 0; moveno < maxMoves; ++moveno) {
            const std::vector<SquarePair> expected = KernelMoves(board);
            ASSERT_EQ(Describe(EngineMoves(game)), Describe(expected))
                << Name(s) << " game " << g << " move " << moveno << "\n"
                << board.position();
            ++positions;
            if (moveno % 8 == 0) {
                // A fresh copy of the kernel's game, with the unmoved pieces
                // given or read from the history, plays the same.
                const engine::TEngineGame copied(board, board.StartPosition());
                const engine::TEngineGame fromHistory(board);
                ASSERT_TRUE(SameState(board, copied));
                ASSERT_TRUE(SameState(board, fromHistory));
                ASSERT_EQ(EngineMoves(copied), expected);
                ASSERT_EQ(EngineMoves(fromHistory), expected);
            }
            if (expected.empty()) {
                repetitions += game.RepetitionStands() ? 1 : 0;
                break;
            }
            const auto [from, to] = picker.Pick(board, expected);
            ASSERT_TRUE(board.PerformMove(from, to));
            ASSERT_TRUE(game.Play(from, to));
            ASSERT_TRUE(SameState(board, game))
                << Name(s) << " game " << g << " after " << TVeltanBrdKernel::SquareToString(from) << "-"
                << TVeltanBrdKernel::SquareToString(to);
            if (board.GameEnded())
                break;
        }
    }
    EXPECT_GT(positions, 0);
    RecordProperty("positions", positions);
    RecordProperty("repetitions", repetitions);
}

INSTANTIATE_TEST_SUITE_P(EveryArrangementShiftAndTurnSetting, Differential, testing::ValuesIn(AllSettings()),
                         [](const testing::TestParamInfo<GameSetting>& info) { return Name(info.param); });

} // namespace
