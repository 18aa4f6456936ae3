// Random games in every arrangement and turn setting, with the board's
// invariants checked after every move.

#include <gtest/gtest.h>

#include <random>

#include "startPositionCatalogue.h"
#include "testBoard.h"

namespace {

struct SoakSetting {
    int arrangement; // catalogue entry: Standard, Quadrant, Castling test
    int rowShift;
    int movesPerTeamTurn, playersPerTeam;
};

std::string ArrangementName(int arrangement)
{
    static const char* const names[] = {"Standard", "Quadrant", "CastlingTest"};
    return names[arrangement];
}

void StartGame(TVeltanBrdKernel& board, const SoakSetting& s)
{
    board.SetStartPosition(catalogue::CataloguePosition(s.arrangement, s.rowShift));
    board.SetStartPlayers(catalogue::CataloguePlayers(s.arrangement, s.rowShift, s.playersPerTeam));
    board.NewGame();
    board.SetStartPositionRowShift(static_cast<TStartPositionRowShift>(s.rowShift));
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
    std::string unmoved;
    bool operator==(const TurnState&) const = default;
};

TurnState StateOf(const TVeltanBrdKernel& board)
{
    return {board.position(),     board.players(), board.WhiteToMove(),  board.CurrentTeamPlayer(),
            board.MovedPerTurn(), board.LastMove,  board.StartPosition()};
}

std::string Describe(const TurnState& s)
{
    std::string slots;
    for (const Square sq : s.slots)
        slots += std::to_string(sq) + " ";
    return std::string(s.whiteToMove ? "White" : "Black") + " player " + s.player + " slots " + slots +
           " move " + std::to_string(s.lastMove);
}

std::string SettingText(const SoakSetting& s)
{
    return ArrangementName(s.arrangement) + "_shift" + std::to_string(s.rowShift) + "_" +
           std::to_string(s.movesPerTeamTurn) + "moves_" + std::to_string(s.playersPerTeam) + "players";
}

std::string SettingName(const testing::TestParamInfo<SoakSetting>& info)
{
    return SettingText(info.param);
}

void PrintTo(const SoakSetting& s, std::ostream* os)
{
    *os << SettingText(s);
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

    // The records loaded into a fresh board of the same start give the same state.
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
                // Every row shift comes up for every arrangement across the turn settings.
                if (players <= moves)
                    settings.push_back({arrangement, (moves + players + arrangement) % 3, moves, players});
            }
        }
    }
    return settings;
}

INSTANTIATE_TEST_SUITE_P(EveryArrangementAndTurnSetting, Soak, testing::ValuesIn(AllSettings()), SettingName);

} // namespace

namespace {

// Greedy random play (always a capture when there is one, a king first) runs
// every arrangement and turn setting to its end through the kernel alone.
class PlayToTheEnd : public testing::TestWithParam<SoakSetting> {};

TEST_P(PlayToTheEnd, SomeTeamWins)
{
    const SoakSetting s = GetParam();
    std::mt19937 random(static_cast<unsigned>(s.arrangement * 7 + s.movesPerTeamTurn * 3 + s.playersPerTeam));
    TRecordingKernel board;
    StartGame(board, s);
    std::vector<std::pair<Square, Square>> moves, captures, kingCaptures;
    while (!board.GameEnded() && board.LastMove < MaxHistoryMoves) {
        moves.clear();
        captures.clear();
        kingCaptures.clear();
        for (int from = 1; from <= SquareCount; ++from) {
            if (board.PlayerOnSquare(static_cast<Square>(from)) != board.CurrentTeamPlayer())
                continue;
            for (int to = 1; to <= SquareCount; ++to) {
                const Square oldSq = static_cast<Square>(from), newSq = static_cast<Square>(to);
                if (!board.MoveIsLegal(oldSq, newSq))
                    continue;
                moves.emplace_back(oldSq, newSq);
                const char target = board.PieceOn(newSq);
                if (target == 'k' || target == 'K')
                    kingCaptures.emplace_back(oldSq, newSq);
                else if (target != ' ' &&
                         (board.ColorOfPieceOnSquare(newSq, false) == ColorWhite) != board.WhiteToMove())
                    captures.emplace_back(oldSq, newSq);
            }
        }
        ASSERT_FALSE(moves.empty()) << "no move at " << board.LastMove;
        const auto& pool = !kingCaptures.empty() ? kingCaptures : !captures.empty() ? captures : moves;
        const auto [oldSq, newSq] = pool[random() % pool.size()];
        ASSERT_TRUE(board.PerformMove(oldSq, newSq));
    }
    ASSERT_TRUE(board.GameEnded()) << "still going after " << board.LastMove << " moves";
    ASSERT_FALSE(board.messages.empty());
    EXPECT_NE(board.messages.back().find("has won!"), std::string::npos) << board.messages.back();
}

INSTANTIATE_TEST_SUITE_P(EveryArrangementAndTurnSetting, PlayToTheEnd, testing::ValuesIn(AllSettings()),
                         SettingName);

} // namespace
