#include "gameSnapshot.h"

TGameSnapshot Snapshot(const TVeltanBrdKernel& board)
{
    TGameSnapshot s;
    s.position = board.position();
    s.players = board.players();
    s.startPlayers = board.StartPlayers();
    s.lastMove = board.LastMove;
    s.historyEnd = board.HistoryEnd();
    for (int n = 0; n <= board.HistoryEnd(); ++n) {
        const MoveInfo& r = board.MoveList[static_cast<std::size_t>(n)];
        s.records.push_back(
            {r.position, r.players, r.OldSquare, r.NewSquare, r.WhiteTeamIsPlaying, r.TimeLeft});
    }
    s.playersPerTeam = board.PlayersPerTeam();
    s.movesPerTeamTurn = board.MovesPerTeamTurn();
    s.movesPerPlayerTurn = board.MovesPerPlayerTurn();
    s.times = {board.TimeStartWhite(), board.TimeStartBlack(),     board.TimeLeftWhite(),
               board.TimeLeftBlack(),  board.TimeIncrementWhite(), board.TimeIncrementBlack()};
    s.whiteToMove = board.WhiteToMove();
    s.currentTeamPlayer = board.CurrentTeamPlayer();
    s.movedPerTurn = board.MovedPerTurn();
    s.gameEnded = board.GameEnded();
    return s;
}

std::ostream& operator<<(std::ostream& out, const TGameSnapshot& s)
{
    return out << "{LastMove " << s.lastMove << ", HistoryEnd " << s.historyEnd << ", " << s.playersPerTeam
               << "/" << s.movesPerTeamTurn << "/" << s.movesPerPlayerTurn << ", "
               << (s.whiteToMove ? "White" : "Black") << " player " << s.currentTeamPlayer
               << (s.gameEnded ? ", ended" : ", running") << "}";
}
