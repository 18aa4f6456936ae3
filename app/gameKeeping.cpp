// Keeping the unfinished game: written after every move and on close, offered
// at the next start, and never given up without the user's word.

#include <QDir>

#include "VeltanGUI.h"
#include "applicationTitle.h"
#include "gameFileWriter.h"
#include "gameLoader.h"
#include "keptGames.h"
#include "resumeAttributes.h"
#include "resumeOffer.h"
#include "ui_VeltanGUI.h"
#include "unfinishedGame.h"
#include "userDialogs.h"
#include "veltanbrd.h"

namespace {

// The main window as the loader's host while a kept game comes back: play is
// not started, the game waits stopped for Start/Stop.
class TResumingHost final : public TGameHost {
public:
    explicit TResumingHost(TGameHost& host) : _host(host) {}
    void InitialGameSetup() override { _host.InitialGameSetup(); }
    void UpdateGameSettings() override { _host.UpdateGameSettings(); }
    void StartStop() override {}
    QString GameFileFolder() const override { return _host.GameFileFolder(); }
    void SetGameFileFolder(const QString& folder) override { _host.SetGameFileFolder(folder); }

private:
    TGameHost& _host;
};

const QString GameStoppedSuffix = QStringLiteral(" (Game stopped)");

} // namespace

void TFrmVeltanBrd::StartWithKeptGame()
{
    // A file named on the command line comes instead of the offer; games kept
    // from before then stay untouched for the next start. A file that does
    // not load leaves the start as it is without one.
    const bool loaded = !_startFile.isEmpty() && OpenStartFile();
    if (!loaded)
        OfferKeptGame();
    // A program that resumed no game keeps its own in a new file, beside the
    // ones other programs keep.
    if (_keptGame->Claimed())
        return;
    _keptGame = ClaimNewKeptGameFile(TUnfinishedGameFile::DefaultFolder());
    if (loaded)
        KeepUnfinishedGame();
}

bool TFrmVeltanBrd::OpenStartFile()
{
    const TGameFileOutcome outcome = LoadGameFile(_startFile, *VeltanBrd1, *this);
    if (!outcome.done) {
        ShowMessage(outcome.message, QMessageBox::Warning);
        return false;
    }
    GameKeptInFile();
    return true;
}

void TFrmVeltanBrd::OfferKeptGame()
{
    TFoundKeptGames found = ClaimUnclaimedKeptGames(TUnfinishedGameFile::DefaultFolder());
    for (const TDamagedKeptGame& damaged : found.damaged)
        ShowMessage(tr("The unfinished game could not be read (%1); it was set aside as \"%2\".")
                        .arg(damaged.problem, QDir::toNativeSeparators(damaged.aside)),
                    QMessageBox::Warning);
    const TResumeAnswer answer =
        AskAboutKeptGames(this, found.games, [this](QDialog& dialog) { return RunModal(dialog); });
    for (const std::size_t discarded : answer.discard)
        found.games.at(discarded).file->Remove();
    // The game resumed is this program's own from now on; the others are let
    // go with their locks as `found` ends, for the next start.
    if (answer.resume) {
        TKeptGame& kept = found.games.at(*answer.resume);
        _keptGame = std::move(kept.file);
        ResumeKeptGame(kept);
    }
}

void TFrmVeltanBrd::ResumeKeptGame(const TKeptGame& kept)
{
    // Read and checked as it was claimed; claimed, no other program has written it since.
    TResumingHost host(*this);
    ApplyGameFile(kept.game, *VeltanBrd1, host);
    ApplyResumeState(kept.resume, *VeltanBrd1);
    // Stopped, both clocks and the turn as they stood: Start/Stop goes on.
    UpdateGameSettings();
    SetStatusText(QString::fromStdString(VeltanBrd1->GetMovesLeftInTurn()) + GameStoppedSuffix);
    ShowClocks();
    _unsavedMoves = true;
}

void TFrmVeltanBrd::KeepUnfinishedGame()
{
    // A game decided elsewhere is kept by whoever decides it; the local one stays as it was.
    if (_authority != nullptr || !_keptGame->Claimed())
        return;
    // The whole line, whichever record is shown: looking back loses nothing.
    if (IsUnfinishedGame(*VeltanBrd1))
        _keptGame->Save(GameLineContentOf(*VeltanBrd1),
                        ResumeAttributes(ResumeStateOf(*VeltanBrd1, ClockRunning())));
    else
        _keptGame->Remove();
}

bool TFrmVeltanBrd::MayReplaceGame()
{
    // Nothing replaces a game decided elsewhere while it goes on: it is left first.
    if (_authority != nullptr) {
        SetStatusText(tr("Leave the online game first (Network, Leave online game)"));
        return false;
    }
    if (!_unsavedMoves || !IsUnfinishedGame(*VeltanBrd1))
        return true;
    return UserDialogs().AskYesNo(this, ApplicationTitle(), tr("Abandon the game in progress?"));
}

void TFrmVeltanBrd::GameKeptInFile()
{
    // A file written at an earlier record leaves the later moves unsaved.
    _unsavedMoves = VeltanBrd1->LastMove < VeltanBrd1->HistoryEnd();
    // A game loaded from a file takes the kept game's place.
    KeepUnfinishedGame();
}
