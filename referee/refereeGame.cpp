#include "refereeGame.h"

namespace {

bool IsOfferedCount(int count)
{
    return count == 1 || count == 2 || count == 4;
}

bool IsPawn(char letter)
{
    return letter == 'P' || letter == 'p';
}

// The board promotes a pawn that stands on the first or the last rank after its move.
bool Promotes(const TVeltanBrdKernel& board, const TProtocolMove& move)
{
    return IsPawn(board.PieceOn(move.from)) && (RankOf(move.to) == BoardSize || RankOf(move.to) == 1);
}

} // namespace

std::string TurnRulesProblem(TTurnRules rules)
{
    if (!IsOfferedCount(rules.movesPerTeamTurn))
        return "moves per team turn must be 1, 2 or 4";
    if (!IsOfferedCount(rules.playersPerTeam))
        return "players per team must be 1, 2 or 4";
    if (rules.playersPerTeam > rules.movesPerTeamTurn)
        return "a team turn needs at least one move for each player";
    return {};
}

void StartRefereedGame(TVeltanBrdKernel& board, const std::string& letters, const std::string& owners,
                       TTurnRules rules)
{
    board.SetStartPosition(letters);
    board.SetStartPlayers(owners);
    // A new game puts the default options back, so the game's own come after it.
    board.NewGame();
    board.SetPlayersPerTeam(rules.playersPerTeam);
    board.SetMovesPerTeamTurn(rules.movesPerTeamTurn);
    board.SetAnimateMoves(false);
    board.SetGameEnded(false);
}

std::string PlayRefereedMove(TVeltanBrdKernel& board, const TProtocolMove& move)
{
    // PerformMove would take a move after a win, so the end is checked here.
    if (board.GameEnded())
        return "the game is over";
    if (board.LastMove >= MaxHistoryMoves)
        return "the game already holds the most moves a game may have (" + std::to_string(MaxHistoryMoves) +
               ")";
    if (board.IsThreefoldPosition())
        return "the position has come up too often, so no move may follow";
    if (!board.MoveIsLegal(move.from, move.to))
        return "not a legal move for " + MoverName(board);
    if (move.promotion != NoPromotion && !Promotes(board, move))
        return "a promotion letter goes only with a pawn's move to the last rank";
    const char kept = board.PromoteTo;
    board.PromoteTo = move.promotion != NoPromotion ? move.promotion : 'q';
    board.PerformMove(move.from, move.to);
    board.PromoteTo = kept;
    return {};
}

std::string MoverName(const TVeltanBrdKernel& board)
{
    std::string name = board.WhiteToMove() ? "White" : "Black";
    if (board.PlayersPerTeam() > 1)
        name += std::string("'s player ") + board.CurrentTeamPlayer();
    return name;
}

std::vector<std::pair<Square, Square>> AllowedMoves(const TVeltanBrdKernel& board)
{
    std::vector<std::pair<Square, Square>> moves;
    for (int from = 1; from <= SquareCount; ++from)
        for (int to = 1; to <= SquareCount; ++to)
            if (board.MoveIsLegal(static_cast<Square>(from), static_cast<Square>(to)))
                moves.emplace_back(static_cast<Square>(from), static_cast<Square>(to));
    return moves;
}
