#include "boardFollowing.h"

#include "onlineBoard.h"
#include "refereeGame.h"
#include "veltanbrd.h"

namespace online {

QString ShowFollowedGame(TVeltanBrd& board, const net::TFollowedGame& game)
{
    std::vector<net::TPlayedMove> moves = game.Moves();
    for (const net::TPendingMove& pending : game.Pending())
        moves.push_back({pending.move, 0});
    // A long game would be drawn move by move; one picture at the end is enough.
    const bool animate = board.AnimateMoves();
    const int delay = board.AnimationDelay();
    board.SetDoRefreshWindowsBoard(false);
    QString problem = net::StartOnlineBoard(board, game.Settings());
    if (problem.isEmpty())
        problem = net::ReplayMoves(board, moves);
    board.SetDoRefreshWindowsBoard(true);
    // Setting the game up puts the options back; the player's look of the glide stays.
    board.SetAnimateMoves(animate);
    board.SetAnimationDelay(delay);
    board.Paint();
    return problem;
}

bool PlayArrivedMove(TVeltanBrd& board, const TProtocolMove& move)
{
    // The kernel glides it, as it glides the computer's moves, when the player wants glides.
    const bool result = PlayRefereedMove(board, move).empty();
    if (result && board.ShowLastMove())
        board.Paint();
    return result;
}

} // namespace online
