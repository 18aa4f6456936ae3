#include "gameLoader.h"

#include "gameFileReader.h"
#include "gameFileStart.h"

namespace {

// The game as it began: arrangement, owners and clocks, and record 0 made of
// them, so a jump to the start and the unmoved pieces are those of this game.
void ApplyStart(const TGameFileStart& start, TVeltanBrdKernel& board)
{
    // Both numbers were checked against the arrangements' ranges on reading;
    // the third arrangement is stored as 2, which has no enumerator of its own.
    board.SetStartPositionType(static_cast<TStartPositionType>(start.positionType));
    board.SetStartPositionRowShift(static_cast<TStartPositionRowShift>(start.rowShift));
    board.SetTimeStartWhite(start.timeStartWhite);
    board.SetTimeStartBlack(start.timeStartBlack);
    board.SetTimeLeftWhite(start.timeStartWhite);
    board.SetTimeLeftBlack(start.timeStartBlack);
    board.SetTimeIncrementWhite(start.incrementWhite);
    board.SetTimeIncrementBlack(start.incrementBlack);
    board.StartGameFrom(start.position, start.players);
}

} // namespace

void ApplyGameFile(const TGameFileContent& game, TVeltanBrdKernel& board, TGameHost& host)
{
    board.SetGameEnded(true);
    host.InitialGameSetup();
    host.UpdateGameSettings();

    // The setters in this order: each recomputes the moves per player, and
    // the file's own value has the last word.
    const TGameFileSettings& settings = game.settings;
    board.SetPlayersPerTeam(settings.PlayersPerTeam);
    board.SetMovesPerTeamTurn(settings.MovesPerTeamTurn);
    board.SetMovesPerPlayerTurn(settings.MovesPerPlayerTurn);
    board.SetTimeIncrementWhite(settings.Increment);
    board.SetTimeIncrementBlack(settings.Increment);
    if (const std::optional<TGameFileStart> start = game.start ? game.start : InferredStart(game))
        ApplyStart(*start, board);

    int moveno = 0;
    for (const MoveInfo& record : game.moves) {
        board.LoadMove(++moveno, record);
        if (record.WhiteTeamIsPlaying)
            board.SetTimeLeftWhite(record.TimeLeft);
        else
            board.SetTimeLeftBlack(record.TimeLeft);
    }

    // The jump also passes a completed turn on and rebuilds whose move it is,
    // so no switch is made here.
    board.SetGameEnded(true);
    board.GotoMove(moveno);
    // A game lost on time ends where its clock ran out; the host's start of
    // play then tells the result instead of running a clock below zero.
    if (game.timeLoss != TGameEnding::None)
        board.LoseOnTime(game.timeLoss == TGameEnding::WhiteLostOnTime);
    host.StartStop();
}

TGameFileOutcome LoadGameFile(const QString& path, TVeltanBrdKernel& board, TGameHost& host)
{
    const TGameFileReading reading = ReadGameFile(path);
    if (!reading.Passed())
        return {false, reading.problem + QStringLiteral(" The game in progress is unchanged.")};
    ApplyGameFile(reading.game, board, host);
    return {true, {}};
}
