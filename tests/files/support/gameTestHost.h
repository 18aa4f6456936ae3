#pragma once
// A stand-in for the main window as the host of a load: it does what the main
// window does to the board and writes down every call.

#include <string>
#include <vector>

#include "gameHost.h"
#include "veltanbrdKernel.h"

/// Counts the host calls and keeps their order.
class TTestGameHost : public TGameHost {
public:
    explicit TTestGameHost(TVeltanBrdKernel& board) : _board(board) {}

    /// The calls in the order they came: "InitialGameSetup", "UpdateGameSettings", "StartStop".
    std::vector<std::string> calls;
    /// GameEnded as the board had it when InitialGameSetup came.
    bool gameEndedAtSetup = false;
    /// LastMove as the board had it when StartStop came.
    int lastMoveAtStartStop = -1;

    /// Default options and a new game, as the main window sets them up.
    void InitialGameSetup() override
    {
        calls.emplace_back("InitialGameSetup");
        gameEndedAtSetup = _board.GameEnded();
        _board.InitOptions();
        _board.NewGame();
    }
    void UpdateGameSettings() override { calls.emplace_back("UpdateGameSettings"); }
    /// Toggles play, as the main window's Start/Stop does.
    void StartStop() override
    {
        calls.emplace_back("StartStop");
        lastMoveAtStartStop = _board.LastMove;
        _board.SetGameEnded(!_board.GameEnded());
    }

    QString GameFileFolder() const override { return folder; }
    void SetGameFileFolder(const QString& value) override { folder = value; }
    /// The folder the dialogs were last pointed at.
    QString folder;

private:
    TVeltanBrdKernel& _board;
};
