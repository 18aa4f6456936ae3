#include "onlineBoard.h"

#include "refereeGame.h"
#include "startPositionCatalogue.h"
#include "veltanbrdKernel.h"

namespace net {

QString StartOnlineBoard(TVeltanBrdKernel& board, const TOnlineSettings& settings)
{
    const std::string letters = catalogue::CataloguePosition(settings.arrangement, settings.rowShift);
    const std::string owners =
        catalogue::CataloguePlayers(settings.arrangement, settings.rowShift, settings.playersPerTeam);
    if (letters.empty() || owners.empty())
        return QStringLiteral("the game's start position is not one this program knows");
    // With a draw handler the board ends a drawn game itself, as the server's referee does.
    board.OnDraw = [](TVeltanBrdKernel&) {};
    StartRefereedGame(board, letters, owners, {settings.movesPerTeamTurn, settings.playersPerTeam});
    return {};
}

QString ReplayMoves(TVeltanBrdKernel& board, const std::vector<TPlayedMove>& moves)
{
    for (std::size_t i = 0; i < moves.size(); ++i) {
        const std::string refusal = PlayRefereedMove(board, moves[i].move);
        if (!refusal.empty())
            return QStringLiteral("move %1 %2 breaks the rules: %3")
                .arg(i + 1)
                .arg(MoveName(moves[i].move), QString::fromStdString(refusal));
    }
    return {};
}

QString MoveName(const TProtocolMove& move)
{
    QString text = QString::fromStdString(MoveText(move.from, move.to));
    if (move.promotion != NoPromotion)
        text += QLatin1Char(move.promotion);
    return text;
}

} // namespace net
