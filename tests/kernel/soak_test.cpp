// Random games in every arrangement and turn setting, with the board's
// invariants checked after every move.

#include <gtest/gtest.h>

#include <random>

#include "testBoard.h"

namespace {

struct SoakSetting {
    int arrangement; // 0 classic, 1 quadrant, 2 rooks and kings only
    int movesPerTeamTurn, playersPerTeam;
};

std::string ArrangementName(int arrangement)
{
    static const char* const names[] = {"Classic", "Quadrant", "RooksAndKings"};
    return names[arrangement];
}

// Owners for 1, 2 or 4 players: the armies of a side split by files.
std::string PlayersFor(const std::string& position, int playersPerTeam)
{
    std::string players(SquareCount, '0');
    for (int sq = 1; sq <= SquareCount; ++sq) {
        if (position[static_cast<std::size_t>(sq - 1)] == ' ')
            continue;
        const int group = (FileOf(sq) - 1) * playersPerTeam / BoardSize;
        players[static_cast<std::size_t>(sq - 1)] = static_cast<char>('1' + group);
    }
    return players;
}

void StartGame(TVeltanBrdKernel& board, const SoakSetting& s)
{
    TRecordingKernel builtIn; // the constructor leaves the quadrant arrangement on the board
    std::string position = s.arrangement == 1 ? builtIn.position() : "";
    if (s.arrangement == 0) {
        builtIn.NewGame();
        position = builtIn.position();
    } else if (s.arrangement == 2) {
        position = std::string(SquareCount, ' ');
        const std::string back = "rr      kk    rr";
        for (int file = 1; file <= BoardSize; ++file) {
            const char c = back[static_cast<std::size_t>(file - 1)];
            for (const int rank : {16, 15})
                position[static_cast<std::size_t>(SquareAt(file, rank) - 1)] = c;
            for (const int rank : {1, 2})
                position[static_cast<std::size_t>(SquareAt(file, rank) - 1)] =
                    c == ' ' ? ' ' : static_cast<char>(c - 'a' + 'A');
            position[static_cast<std::size_t>(SquareAt(file, 14) - 1)] = 'p';
            position[static_cast<std::size_t>(SquareAt(file, 3) - 1)] = 'P';
        }
    }
    board.SetStartPosition(position);
    board.SetStartPlayers(PlayersFor(position, s.playersPerTeam));
    board.NewGame();
    board.SetPlayersPerTeam(s.playersPerTeam);
    board.SetMovesPerTeamTurn(s.movesPerTeamTurn);
    board.SetGameEnded(false);
}

struct TurnState {
    std::string position, players;
    bool whiteToMove;
    char player;
    std::array<Square, MaxMovesPerTeamTurn> slots;
    int lastMove;
    bool operator==(const TurnState&) const = default;
};

TurnState StateOf(const TVeltanBrdKernel& board)
{
    return {board.position(),          board.players(),      board.WhiteToMove(),
            board.CurrentTeamPlayer(), board.MovedPerTurn(), board.LastMove};
}

std::string Describe(const TurnState& s)
{
    std::string slots;
    for (const Square sq : s.slots)
        slots += std::to_string(sq) + " ";
    return std::string(s.whiteToMove ? "White" : "Black") + " player " + s.player + " slots " + slots +
           " move " + std::to_string(s.lastMove);
}

class Soak : public testing::TestWithParam<SoakSetting> {};

TEST_P(Soak, RandomGamesKeepTheInvariants)
{
    const SoakSetting s = GetParam();
    std::mt19937 random(
        static_cast<unsigned>(s.arrangement * 100 + s.movesPerTeamTurn * 10 + s.playersPerTeam));
    constexpr int MaxMoves = 400;
    TRecordingKernel board;
    StartGame(board, s);
    for (int moveno = 0; moveno < MaxMoves && !board.GameEnded(); ++moveno) {
        const std::vector<std::pair<Square, Square>> moves = LegalMoves(board);
        if (moves.empty())
            break; // a repetition stands
        // A refused move changes nothing.
        const TurnState before = StateOf(board);
        const Square from = static_cast<Square>(random() % 258), to = static_cast<Square>(random() % 258);
        if (!board.MoveIsLegal(from, to)) {
            ASSERT_FALSE(board.PerformMove(from, to));
            ASSERT_EQ(StateOf(board), before);
        }
        // Prefer captures, so that games reach their end.
        std::vector<std::pair<Square, Square>> captures;
        for (const auto& m : moves) {
            if (board.PieceOn(m.second) != ' ')
                captures.push_back(m);
        }
        const auto& pool = (!captures.empty() && random() % 4 != 0) ? captures : moves;
        const auto [oldSq, newSq] = pool[random() % pool.size()];
        ASSERT_TRUE(board.PerformMove(oldSq, newSq));

        std::string why;
        ASSERT_TRUE(board.CheckConsistency(why)) << why;
        const MoveInfo& record = board.MoveList[static_cast<std::size_t>(board.LastMove)];
        ASSERT_EQ(record.position, board.position());
        ASSERT_EQ(record.players, board.players());
        ASSERT_EQ(record.OldSquare, oldSq);
        if (board.GameEnded())
            break;
        // A jump to the newest record rebuilds exactly the live state.
        const TurnState live = StateOf(board);
        ASSERT_TRUE(board.GotoMove(board.LastMove));
        ASSERT_EQ(StateOf(board), live)
            << "live " << Describe(live) << " rebuilt " << Describe(StateOf(board));
    }
    EXPECT_GT(board.LastMove, 0);

    // A game loaded into a fresh board gives the same state.
    const TurnState final = StateOf(board);
    TRecordingKernel loaded;
    StartGame(loaded, s);
    for (int i = 1; i <= board.LastMove; ++i)
        loaded.LoadMove(i, board.GetMove(i));
    ASSERT_TRUE(loaded.GotoMove(board.LastMove));
    if (!board.GameEnded()) {
        EXPECT_EQ(StateOf(loaded), final)
            << "played " << Describe(final) << " loaded " << Describe(StateOf(loaded));
    } else {
        EXPECT_EQ(loaded.position(), final.position);
    }
}

std::vector<SoakSetting> AllSettings()
{
    std::vector<SoakSetting> settings;
    for (int arrangement = 0; arrangement < 3; ++arrangement) {
        for (const int moves : {1, 2, 4}) {
            for (const int players : {1, 2, 4}) {
                if (players <= moves)
                    settings.push_back({arrangement, moves, players});
            }
        }
    }
    return settings;
}

INSTANTIATE_TEST_SUITE_P(EveryArrangementAndTurnSetting, Soak, testing::ValuesIn(AllSettings()),
                         [](const testing::TestParamInfo<SoakSetting>& info) {
                             return ArrangementName(info.param.arrangement) + "_" +
                                    std::to_string(info.param.movesPerTeamTurn) + "moves_" +
                                    std::to_string(info.param.playersPerTeam) + "players";
                         });

} // namespace
