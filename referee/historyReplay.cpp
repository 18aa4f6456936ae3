#include "historyReplay.h"

#include <cctype>

#include "moveText.h"
#include "refereeGame.h"

namespace {

bool IsSquare(Square sq)
{
    return sq >= 1 && sq <= SquareCount;
}

bool IsLastRank(Square sq)
{
    const int rank = TVeltanBrdKernel::YPos(sq);
    return rank == 1 || rank == BoardSize;
}

char LetterOn(const std::string& letters, Square sq)
{
    const std::size_t index = static_cast<std::size_t>(sq) - 1;
    return index < letters.size() ? letters[index] : ' ';
}

// The same mover: the program must be asked for the move of the player the board waits for.
bool SameMover(const TVeltanBrdKernel& a, const TVeltanBrdKernel& b)
{
    return a.WhiteToMove() == b.WhiteToMove() && a.CurrentTeamPlayer() == b.CurrentTeamPlayer();
}

} // namespace

std::string RecordMoveText(const TVeltanBrdKernel& board, int moveno)
{
    if (moveno < 1 || moveno > MaxHistoryMoves)
        return {};
    const MoveInfo& record = board.MoveList[static_cast<std::size_t>(moveno)];
    const MoveInfo& before = board.MoveList[static_cast<std::size_t>(moveno - 1)];
    if (!IsSquare(record.OldSquare) || !IsSquare(record.NewSquare))
        return {};
    std::string text = MoveText(record.OldSquare, record.NewSquare);
    const char moved = LetterOn(before.position, record.OldSquare);
    const char became = LetterOn(record.position, record.NewSquare);
    if ((moved == 'P' || moved == 'p') && IsLastRank(record.NewSquare) && became != moved) {
        const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(became)));
        if (letter == 'n' || letter == 'b' || letter == 'r')
            text += letter;
    }
    return text;
}

THistoryReplay ReplayHistory(const TVeltanBrdKernel& board)
{
    THistoryReplay replay;
    const MoveInfo& start = board.MoveList[0];
    const TTurnRules rules{board.MovesPerTeamTurn(), board.PlayersPerTeam()};
    if (start.position.size() != static_cast<std::size_t>(SquareCount) ||
        start.players.size() != static_cast<std::size_t>(SquareCount)) {
        replay.problem = "the game has no start position";
        return replay;
    }
    if (std::string problem = TurnRulesProblem(rules); !problem.empty()) {
        replay.problem = problem;
        return replay;
    }
    if (board.LastMove < 0 || board.LastMove > MaxHistoryMoves) {
        replay.problem = "the move shown is not in the game";
        return replay;
    }
    TVeltanBrdKernel game;
    StartRefereedGame(game, start.position, start.players, rules);
    for (int moveno = 1; moveno <= board.LastMove; ++moveno) {
        const std::string number = "move " + std::to_string(moveno);
        const std::string text = RecordMoveText(board, moveno);
        const std::optional<TProtocolMove> move = ReadMoveText(text);
        if (!move) {
            replay.problem = number + " does not say which piece moved where";
            return replay;
        }
        if (std::string problem = PlayRefereedMove(game, *move); !problem.empty()) {
            replay.problem = number + " (" + text + "): " + problem;
            return replay;
        }
        replay.moves.push_back(text);
    }
    if (game.position() != board.position())
        replay.problem = "the moves lead to another position than the one shown";
    else if (!SameMover(game, board))
        replay.problem = "the moves leave " + MoverName(game) + " to move, not " + MoverName(board);
    return replay;
}
