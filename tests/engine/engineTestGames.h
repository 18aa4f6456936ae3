#pragma once
// Games for the engine tests: the three arrangements with their armies moved
// in from the edges, owners split by files, every turn setting, and a
// comparison of the engine's game with the kernel's through their public faces.

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "engineGame.h"
#include "veltanbrdKernel.h"

namespace enginetest {

enum class Arrangement { Classic, Quadrant, RooksAndKings };

/// Arrangement, row shift and turn setting of a test game.
struct GameSetting {
    Arrangement arrangement;
    int rowShift;
    int movesPerTeamTurn;
    int playersPerTeam;
};

inline std::string Name(Arrangement arrangement)
{
    switch (arrangement) {
    case Arrangement::Classic:
        return "Classic";
    case Arrangement::Quadrant:
        return "Quadrant";
    default:
        return "RooksAndKings";
    }
}

inline std::string Name(const GameSetting& s)
{
    return Name(s.arrangement) + "_shift" + std::to_string(s.rowShift) + "_" +
           std::to_string(s.movesPerTeamTurn) + "moves_" + std::to_string(s.playersPerTeam) + "players";
}

/// Shows a setting in test output by its name.
inline void PrintTo(const GameSetting& s, std::ostream* os)
{
    *os << Name(s);
}

/// The arrangement's 256 letters with the armies at the edges.
inline std::string BasePosition(Arrangement arrangement)
{
    switch (arrangement) {
    case Arrangement::Classic: {
        TVeltanBrdKernel board;
        board.NewGame();
        return board.position();
    }
    case Arrangement::Quadrant:
        return TVeltanBrdKernel().position();
    default: {
        const std::string blackBack = "rr      kk    rr", whiteBack = "RR      KK    RR";
        const std::string blackPawns(BoardSize, 'p'), whitePawns(BoardSize, 'P');
        return blackBack + blackBack + blackPawns + blackPawns + std::string(8 * BoardSize, ' ') +
               whitePawns + whitePawns + whiteBack + whiteBack;
    }
    }
}

/// The armies' four ranks at each edge moved rowShift ranks towards the centre.
inline std::string ShiftedPosition(const std::string& base, int rowShift)
{
    std::string shifted(SquareCount, ' ');
    for (int row = 0; row < 4; ++row) {
        shifted.replace(static_cast<std::size_t>((row + rowShift) * BoardSize), BoardSize,
                        base.substr(static_cast<std::size_t>(row * BoardSize), BoardSize));
        shifted.replace(static_cast<std::size_t>((12 + row - rowShift) * BoardSize), BoardSize,
                        base.substr(static_cast<std::size_t>((12 + row) * BoardSize), BoardSize));
    }
    return shifted;
}

/// Owners split by files: player 1 holds the leftmost files, and so on.
inline std::string OwnersByFiles(const std::string& position, int playersPerTeam)
{
    std::string owners(SquareCount, '0');
    for (int sq = 1; sq <= SquareCount; ++sq) {
        if (position[static_cast<std::size_t>(sq - 1)] != ' ')
            owners[static_cast<std::size_t>(sq - 1)] =
                static_cast<char>('1' + (FileOf(sq) - 1) * playersPerTeam / BoardSize);
    }
    return owners;
}

/// Starts a running game of the setting on the board.
inline void StartGame(TVeltanBrdKernel& board, const GameSetting& s)
{
    const std::string position = ShiftedPosition(BasePosition(s.arrangement), s.rowShift);
    board.SetStartPosition(position);
    board.SetStartPlayers(OwnersByFiles(position, s.playersPerTeam));
    board.NewGame();
    board.SetStartPositionRowShift(static_cast<TStartPositionRowShift>(s.rowShift));
    board.SetPlayersPerTeam(s.playersPerTeam);
    board.SetMovesPerTeamTurn(s.movesPerTeamTurn);
    board.SetGameEnded(false);
}

/// Every setting: three arrangements, three row shifts, 1/2/4 moves with 1/2/4 players (players <= moves).
inline std::vector<GameSetting> AllSettings()
{
    std::vector<GameSetting> settings;
    for (const Arrangement arrangement :
         {Arrangement::Classic, Arrangement::Quadrant, Arrangement::RooksAndKings}) {
        for (int shift = 0; shift <= 2; ++shift) {
            for (const int moves : {1, 2, 4}) {
                for (const int players : {1, 2, 4}) {
                    if (players <= moves)
                        settings.push_back({arrangement, shift, moves, players});
                }
            }
        }
    }
    return settings;
}

/// Each arrangement with one and with four moves a turn, one player a team,
/// no shift: the few settings a long random-game check runs through.
inline std::vector<GameSetting> ArrangementsWithOneAndFourMoves()
{
    std::vector<GameSetting> settings;
    for (const Arrangement arrangement :
         {Arrangement::Classic, Arrangement::Quadrant, Arrangement::RooksAndKings}) {
        for (const int moves : {1, 4})
            settings.push_back({arrangement, 0, moves, 1});
    }
    return settings;
}

using SquarePair = std::pair<Square, Square>;

/// Every (from, to) the kernel's rules accept now. Only squares holding a
/// piece of the side to move can start a legal move, so only they are asked.
inline std::vector<SquarePair> KernelMoves(const TVeltanBrdKernel& board)
{
    std::vector<SquarePair> moves;
    const int side = board.WhiteToMove() ? ColorWhite : ColorBlack;
    for (int from = 1; from <= SquareCount; ++from) {
        const Square f = static_cast<Square>(from);
        if (board.ColorOfPieceOnSquare(f, false) != side && board.ColorOfPieceOnSquare(f, true) != side)
            continue;
        for (int to = 1; to <= SquareCount; ++to) {
            if (board.MoveIsLegal(f, static_cast<Square>(to)))
                moves.emplace_back(f, static_cast<Square>(to));
        }
    }
    return moves;
}

/// The engine's generated moves as sorted square pairs.
inline std::vector<SquarePair> EngineMoves(const engine::TEngineGame& game)
{
    std::vector<engine::TCellMove> generated;
    game.GenerateMoves(generated);
    std::vector<SquarePair> moves;
    for (const engine::TCellMove& m : generated)
        moves.emplace_back(engine::SquareAtCell(m.from), engine::SquareAtCell(m.to));
    std::sort(moves.begin(), moves.end());
    return moves;
}

inline std::string Describe(const std::vector<SquarePair>& moves)
{
    std::string text;
    for (const auto& [from, to] : moves)
        text += TVeltanBrdKernel::SquareToString(from) + "-" + TVeltanBrdKernel::SquareToString(to) + " ";
    return text;
}

/// Both games in the same state, as far as their public faces show it
/// (whether the game has ended only when compareEnd).
inline testing::AssertionResult SameState(TVeltanBrdKernel& board, const engine::TEngineGame& game,
                                          bool compareEnd = true)
{
    if (board.position() != game.PositionText())
        return testing::AssertionFailure()
               << "positions differ\nkernel " << board.position() << "\nengine " << game.PositionText();
    if (board.players() != game.PlayersText())
        return testing::AssertionFailure() << "owners differ";
    if (board.StartPosition() != game.UnmovedText())
        return testing::AssertionFailure() << "unmoved pieces differ";
    if (board.WhiteToMove() != game.WhiteToMove() || board.CurrentTeamPlayer() != game.CurrentTeamPlayer())
        return testing::AssertionFailure()
               << "side or player differs: kernel " << board.WhiteToMove() << board.CurrentTeamPlayer()
               << " engine " << game.WhiteToMove() << game.CurrentTeamPlayer();
    if (board.MovedPerTurn() != game.MovedPerTurn())
        return testing::AssertionFailure() << "turn slots differ";
    if (compareEnd && board.GameEnded() != game.GameEnded())
        return testing::AssertionFailure() << "game end differs: kernel " << board.GameEnded();
    if (board.LastMove != game.MoveNumber())
        return testing::AssertionFailure() << "move numbers differ";
    return testing::AssertionSuccess();
}

} // namespace enginetest
