#include "setupGame.h"

#include "startPositionCatalogue.h"

namespace {

constexpr double SecondsPerDay = 86400.0;
constexpr double MinutesPerDay = 1440.0;

bool IsOfferedCount(int count)
{
    return count == 1 || count == 2 || count == 4;
}

void ForgetEarlierRecords(TVeltanBrdKernel& board)
{
    // The old game's records would still answer a jump to their numbers;
    // emptied, they are records never written.
    for (int moveno = 1; moveno <= MaxHistoryMoves; ++moveno)
        if (!board.MoveList[static_cast<std::size_t>(moveno)].position.empty())
            board.MoveList[static_cast<std::size_t>(moveno)] = MoveInfo{};
}

} // namespace

bool IsOfferedGameSetup(const TGameSetup& setup)
{
    return setup.startPositionIndex >= 0 && setup.startPositionIndex < catalogue::EntryCount &&
           setup.rowShift >= 0 && setup.rowShift <= catalogue::MaxRowShift &&
           IsOfferedCount(setup.playersPerTeam) && IsOfferedCount(setup.movesPerTeamTurn) &&
           setup.playersPerTeam <= setup.movesPerTeamTurn;
}

bool SetupGame(TVeltanBrdKernel& board, const TGameSetup& setup)
{
    if (!IsOfferedGameSetup(setup))
        return false;
    const std::string position = catalogue::CataloguePosition(setup.startPositionIndex, setup.rowShift);
    const std::string players =
        catalogue::CataloguePlayers(setup.startPositionIndex, setup.rowShift, setup.playersPerTeam);
    if (position.size() != static_cast<std::size_t>(catalogue::BoardLength) ||
        players.size() != static_cast<std::size_t>(catalogue::BoardLength))
        return false;

    // Both values were checked against the catalogue's ranges above; the
    // third arrangement is stored as 2, which has no enumerator of its own.
    board.SetStartPositionRowShift(static_cast<TStartPositionRowShift>(setup.rowShift));
    board.SetStartPositionType(static_cast<TStartPositionType>(setup.startPositionIndex));
    board.SetTimeIncrementBlack(setup.incrementBlackSeconds / SecondsPerDay);
    board.SetTimeIncrementWhite(setup.incrementWhiteSeconds / SecondsPerDay);
    board.SetTimeStartWhite(setup.timeWhiteMinutes / MinutesPerDay);
    board.SetTimeStartBlack(setup.timeBlackMinutes / MinutesPerDay);
    board.SetTimeLeftWhite(board.TimeStartWhite());
    board.SetTimeLeftBlack(board.TimeStartBlack());
    board.SetPlayersPerTeam(setup.playersPerTeam);
    board.SetMovesPerTeamTurn(setup.movesPerTeamTurn);
    // Record 0 becomes the arrangement and owners placed here, with White to
    // move, and stepping forward reaches nothing after it.
    board.StartGameFrom(position, players);
    ForgetEarlierRecords(board);
    return true;
}
