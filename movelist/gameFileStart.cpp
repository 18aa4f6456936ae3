#include "gameFileStart.h"

#include "startPositionCatalogue.h"

namespace {

bool IsMarker(char c)
{
    return c == 'E' || c == 'e';
}

// The first record with its move taken back as far as the record tells: a
// piece taken on the way is unknown and the square stays empty.
TGameFileStart TakenBack(const MoveInfo& first)
{
    TGameFileStart start;
    start.position = first.position;
    start.players = first.players;
    for (char& c : start.position) {
        if (IsMarker(c))
            c = ' ';
    }
    const Square from = first.OldSquare, to = first.NewSquare;
    if (!IsBoardSquare(from) || !IsBoardSquare(to))
        return start;
    const auto put = [&start](Square sq, char piece, char owner) {
        start.position[static_cast<std::size_t>(sq - 1)] = piece;
        start.players[static_cast<std::size_t>(sq - 1)] = owner;
    };
    const auto pieceAt = [&start](Square sq) { return start.position[static_cast<std::size_t>(sq - 1)]; };
    const auto ownerAt = [&start](Square sq) { return start.players[static_cast<std::size_t>(sq - 1)]; };
    if (pieceAt(to) != ' ') {
        put(from, pieceAt(to), ownerAt(to));
        put(to, ' ', '0');
        return start;
    }
    // An empty destination: the king castled onto its rook and both stand beside.
    const TCastlingLanding landing = TVeltanBrdKernel::CastlingLanding(from, to);
    if (!IsBoardSquare(landing.king) || !IsBoardSquare(landing.rook))
        return start;
    const char king = pieceAt(landing.king), rook = pieceAt(landing.rook);
    const char owner = ownerAt(landing.king);
    put(landing.king, ' ', '0');
    put(landing.rook, ' ', '0');
    put(from, king, owner);
    put(to, rook, owner);
    return start;
}

} // namespace

std::optional<TGameFileStart> InferredStart(const TGameFileContent& game)
{
    if (game.moves.empty())
        return std::nullopt;
    const MoveInfo& first = game.moves.front();
    TVeltanBrdKernel trial;
    TGameFileStart start;
    start.timeStartWhite = trial.TimeStartWhite();
    start.timeStartBlack = trial.TimeStartBlack();
    start.incrementWhite = start.incrementBlack = game.settings.Increment;
    trial.SetPlayersPerTeam(game.settings.PlayersPerTeam);
    trial.SetMovesPerTeamTurn(game.settings.MovesPerTeamTurn);
    trial.SetMovesPerPlayerTurn(game.settings.MovesPerPlayerTurn);
    for (int type = 0; type < catalogue::EntryCount; ++type) {
        for (int shift = 0; shift <= catalogue::MaxRowShift; ++shift) {
            const std::string position = catalogue::CataloguePosition(type, shift);
            const std::string players =
                catalogue::CataloguePlayers(type, shift, game.settings.PlayersPerTeam);
            if (!trial.StartGameFrom(position, players))
                continue;
            trial.SetGameEnded(false);
            if (trial.PerformMove(first.OldSquare, first.NewSquare) && trial.position() == first.position &&
                trial.players() == first.players) {
                start.position = position;
                start.players = players;
                start.positionType = type;
                start.rowShift = shift;
                return start;
            }
        }
    }
    TGameFileStart guessed = TakenBack(first);
    guessed.timeStartWhite = start.timeStartWhite;
    guessed.timeStartBlack = start.timeStartBlack;
    guessed.incrementWhite = guessed.incrementBlack = start.incrementWhite;
    return guessed;
}
