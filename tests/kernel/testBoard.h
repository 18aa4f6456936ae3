#pragma once
// Shared helpers of the kernel tests: a kernel that records what it would
// have shown, and a builder for positions from a few placed pieces.

#include <string>
#include <vector>

#include "veltanbrdKernel.h"

/// A kernel that keeps its messages and game-ended notices instead of showing them.
class TRecordingKernel : public TVeltanBrdKernel {
public:
    std::vector<std::string> messages;
    /// Whether the game had ended when each message was shown.
    std::vector<bool> endedAtMessage;
    int gameEndedNotices = 0;
    bool controlEnabled = false;

protected:
    void ShowMessage(const std::string& text) override
    {
        messages.push_back(text);
        endedAtMessage.push_back(GameEnded());
    }
    void PostGameEndedNotice() override { ++gameEndedNotices; }
    void SetControlEnabled(bool enabled) override { controlEnabled = enabled; }
};

/// One piece placed for a test: square, letter, owner.
struct Placed {
    Square square;
    char piece;
    char owner = '1';
};

/// Position and players strings with only the given pieces on the board.
inline std::pair<std::string, std::string> Arrangement(const std::vector<Placed>& pieces)
{
    std::string position(SquareCount, ' ');
    std::string players(SquareCount, '0');
    for (const Placed& p : pieces) {
        position[static_cast<std::size_t>(p.square - 1)] = p.piece;
        players[static_cast<std::size_t>(p.square - 1)] = p.owner;
    }
    return {position, players};
}

/// Starts a running game on the given pieces with the given turn settings.
inline void SetUpGame(TVeltanBrdKernel& board, const std::vector<Placed>& pieces, int movesPerTeamTurn = 1,
                      int playersPerTeam = 1)
{
    const auto [position, players] = Arrangement(pieces);
    board.SetStartPosition(position);
    board.SetStartPlayers(players);
    board.NewGame();
    board.SetPlayersPerTeam(playersPerTeam);
    board.SetMovesPerTeamTurn(movesPerTeamTurn);
    board.SetGameEnded(false);
}

/// Every (from, to) pair the rules accept now.
inline std::vector<std::pair<Square, Square>> LegalMoves(const TVeltanBrdKernel& board)
{
    std::vector<std::pair<Square, Square>> moves;
    for (int from = 1; from <= SquareCount; ++from) {
        for (int to = 1; to <= SquareCount; ++to) {
            if (board.MoveIsLegal(static_cast<Square>(from), static_cast<Square>(to)))
                moves.emplace_back(static_cast<Square>(from), static_cast<Square>(to));
        }
    }
    return moves;
}

/// The destinations of one piece that the rules accept now.
inline std::vector<Square> Destinations(const TVeltanBrdKernel& board, Square from)
{
    std::vector<Square> result;
    for (int to = 1; to <= SquareCount; ++to) {
        if (board.MoveIsLegal(from, static_cast<Square>(to)))
            result.push_back(static_cast<Square>(to));
    }
    return result;
}
