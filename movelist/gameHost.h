#pragma once
// What the windows that start or replace a game need from the main window,
// without depending on it: loading a game resets the program's game, updates
// the clock and status line, and starts play.

#include <QString>

/// The main window as the game's host.
class TGameHost {
public:
    virtual ~TGameHost() = default;

    /// Default piece set, default options and a new game on the board.
    virtual void InitialGameSetup() = 0;
    /// Brings clock, status line and current-player highlight in line with the board's GameEnded.
    virtual void UpdateGameSettings() = 0;
    /// Toggles between running and stopped play.
    virtual void StartStop() = 0;
    /// Stops running play as StartStop does; nothing when play is stopped.
    virtual void StopPlay() {}
    /// The board has stepped or jumped to another record of its history.
    virtual void RecordShown() {}
    /// The folder the game-file dialogs open in: the one last used, else the
    /// user's documents folder.
    virtual QString GameFileFolder() const = 0;
    /// Remembers the folder of a game file just chosen.
    virtual void SetGameFileFolder(const QString& folder) = 0;
    /// True when the game in progress may give way to another; a host may ask
    /// the user first. The default lets it go.
    virtual bool MayReplaceGame() { return true; }
    /// The user has just saved the game, or loaded it: it counts as saved.
    virtual void GameKeptInFile() {}
};
