#include "gameLoader.h"

#include "gameFileReader.h"

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
