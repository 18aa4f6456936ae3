#pragma once
// Short games that reach each way a game can end, shared by the tests of the
// endings on the board and of their trip through a game file.

#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "testBoard.h"

/// A game from a few pieces to one ending.
struct TEndingGame {
    const char* name;
    std::vector<Placed> start;
    int movesPerTeamTurn;
    std::function<void(TRecordingKernel&)> play;
    TGameEnding ending;
};

inline void PrintTo(const TEndingGame& game, std::ostream* os)
{
    *os << game.name;
}

/// The game's name, for test names.
inline std::string EndingGameName(const testing::TestParamInfo<TEndingGame>& info)
{
    return info.param.name;
}

namespace endinggames {

using TMoves = std::vector<std::pair<Square, Square>>;

// Two kings and two rooks walking round squares of four: no position comes
// back often enough to stand as a repetition, so only the history's size ends it.
inline void WalkUntilTheHistoryIsFull(TRecordingKernel& board)
{
    const Square white[] = {A01, B01, B02, A02};
    const Square black[] = {P16, O16, O15, P15};
    for (int moveno = 0; moveno < MaxHistoryMoves; ++moveno) {
        const Square* walk = moveno % 2 == 0 ? white : black;
        const int step = moveno / 2;
        ASSERT_TRUE(board.PerformMove(walk[step % 4], walk[(step + 1) % 4])) << moveno;
    }
}

inline void KnightsDance(TRecordingKernel& board)
{
    const TMoves out = {{A01, B05}, {P16, O12}}, back = {{B05, A01}, {O12, P16}};
    for (int moveno = 0; moveno < 17; ++moveno) {
        const TMoves& leg = (moveno / 2) % 2 == 0 ? out : back;
        ASSERT_TRUE(board.PerformMove(leg[moveno % 2].first, leg[moveno % 2].second)) << moveno;
    }
}

} // namespace endinggames

/// The games whose last move reaches the ending on the board.
inline std::vector<TEndingGame> BoardEndingGames()
{
    using namespace endinggames;
    return {
        {"KingsCaptured",
         {{A01, 'K'}, {A02, 'Q'}, {A04, 'k'}, {P16, 'r'}},
         1,
         [](TRecordingKernel& b) { ASSERT_TRUE(b.PerformMove(A02, A04)); },
         TGameEnding::WhiteWon},
        {"TeamCannotMove",
         {{A03, 'P'}, {A05, 'p'}, {P01, 'K'}, {H16, 'k', '2'}},
         1,
         [](TRecordingKernel& b) { ASSERT_TRUE(b.PerformMove(A03, A04)); },
         TGameEnding::BlackCannotMove},
        {"Repetition",
         {{A01, 'N'}, {P16, 'n'}, {H04, 'K'}, {H13, 'k'}, {C03, 'R'}, {N14, 'r'}},
         1,
         KnightsDance,
         TGameEnding::Repetition},
        {"TooLittleMaterial",
         {{A01, 'K'}, {B03, 'N'}, {P16, 'k'}, {O14, 'n'}},
         1,
         [](TRecordingKernel& b) { ASSERT_TRUE(b.PerformMove(A01, A02)); },
         TGameEnding::NoMatingMaterial},
        {"HistoryFull",
         {{A01, 'K'}, {P16, 'k'}, {H09, 'R'}, {I08, 'r'}},
         1,
         WalkUntilTheHistoryIsFull,
         TGameEnding::HistoryFull},
    };
}

/// Every ending: those on the board and a clock that runs out after a move.
inline std::vector<TEndingGame> AllEndingGames()
{
    std::vector<TEndingGame> games = BoardEndingGames();
    games.push_back({"Time",
                     {{A01, 'K'}, {H09, 'R'}, {P16, 'k'}, {I08, 'r'}},
                     1,
                     [](TRecordingKernel& b) {
                         ASSERT_TRUE(b.PerformMove(H09, H10));
                         b.LoseOnTime(b.WhiteToMove());
                     },
                     TGameEnding::BlackLostOnTime});
    return games;
}
