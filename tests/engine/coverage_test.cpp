// Long random games, engine beside kernel, until the rare rules have all come
// up: en passant captures, castling, promotion, captured kings, won games,
// forfeited shares of a turn and standing repetitions. The differential test
// is only as good as the positions it sees; this one makes sure they include
// every rule.

#include <gtest/gtest.h>

#include <random>

#include "engineTestGames.h"

namespace {

using namespace enginetest;

struct RuleCounts {
    int enPassant = 0, castling = 0, promotion = 0, kingCaptured = 0, won = 0, forfeit = 0, teamLost = 0;
};

// Sanitizer and debug builds ask the kernel less often and play fewer games.
#ifdef VELTAN_ENGINE_SHORT_RUN
constexpr int GamesPerSetting = 2;
constexpr int KernelCheckInterval = 25;
#else
constexpr int GamesPerSetting = 3;
constexpr int KernelCheckInterval = 5;
#endif

bool IsOpponentMarker(char piece, bool whiteMoves)
{
    return piece == (whiteMoves ? 'e' : 'E');
}

TEST(RuleCoverage, LongRandomGamesMeetEveryRuleAndStayEqual)
{
    const std::vector<GameSetting> settings = {
        {Arrangement::RooksAndKings, 0, 1, 1}, {Arrangement::RooksAndKings, 2, 4, 2},
        {Arrangement::Classic, 1, 2, 2},       {Arrangement::Quadrant, 0, 4, 4},
        {Arrangement::Quadrant, 2, 1, 1},      {Arrangement::Classic, 0, 4, 1},
    };
    RuleCounts seen;
    std::mt19937 random(2024);
    for (const GameSetting& s : settings) {
        for (int g = 0; g < GamesPerSetting; ++g) {
            TVeltanBrdKernel board;
            StartGame(board, s);
            engine::TEngineGame game(board, board.StartPosition());
            for (int moveno = 0; moveno < 600 && !board.GameEnded(); ++moveno) {
                std::vector<SquarePair> moves;
                if (moveno % KernelCheckInterval == 0) {
                    moves = KernelMoves(board);
                    ASSERT_EQ(EngineMoves(game), moves) << Name(s) << " move " << moveno;
                } else {
                    moves = EngineMoves(game);
                }
                if (moves.empty())
                    break;
                // Captures first, kings above all, and pawns forward: games end.
                std::vector<SquarePair> preferred;
                for (const SquarePair& m : moves) {
                    const char target = board.PieceOn(m.second), piece = board.PieceOn(m.first);
                    const bool capture =
                        target != ' ' && !(piece == 'K' && target == 'R') && !(piece == 'k' && target == 'r');
                    if (capture || piece == 'P' || piece == 'p' || random() % 8 == 0)
                        preferred.push_back(m);
                }
                const auto& pool = preferred.empty() ? moves : preferred;
                const auto [from, to] = pool[random() % pool.size()];
                const char piece = board.PieceOn(from), target = board.PieceOn(to);
                const bool whiteMoves = board.WhiteToMove();
                seen.enPassant += IsOpponentMarker(target, whiteMoves) ? 1 : 0;
                seen.castling += ((piece == 'K' && target == 'R') || (piece == 'k' && target == 'r')) ? 1 : 0;
                seen.promotion +=
                    ((piece == 'P' && RankOf(to) == BoardSize) || (piece == 'p' && RankOf(to) == 1)) ? 1 : 0;
                seen.kingCaptured += (target == (whiteMoves ? 'k' : 'K')) ? 1 : 0;

                ASSERT_TRUE(board.PerformMove(from, to));
                ASSERT_TRUE(game.Play(from, to));
                ASSERT_TRUE(SameState(board, game)) << Name(s) << " move " << moveno;
                for (const Square slot : board.MovedPerTurn())
                    seen.forfeit += slot == SqrUsedSlot ? 1 : 0;
            }
            if (board.GameEnded()) {
                ++seen.won;
                const std::string position = board.position();
                const bool kingsLeft =
                    position.find('K') != std::string::npos && position.find('k') != std::string::npos;
                seen.teamLost += kingsLeft ? 1 : 0;
            }
        }
    }
    EXPECT_GT(seen.enPassant, 0);
    EXPECT_GT(seen.castling, 0);
    EXPECT_GT(seen.promotion, 0);
    EXPECT_GT(seen.kingCaptured, 0);
    EXPECT_GT(seen.won, 0);
    EXPECT_GT(seen.forfeit, 0);
    RecordProperty("enPassant", seen.enPassant);
    RecordProperty("castling", seen.castling);
    RecordProperty("promotion", seen.promotion);
    RecordProperty("kingCaptured", seen.kingCaptured);
    RecordProperty("won", seen.won);
    RecordProperty("forfeit", seen.forfeit);
    RecordProperty("teamLost", seen.teamLost);
}

} // namespace
