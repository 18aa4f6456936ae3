// Keeping the unfinished game: written after every move and on close, offered
// at the next start, and never given up without the user's word.

#include <QDir>
#include <QFile>

#include "VeltanGUI.h"
#include "applicationTitle.h"
#include "gameFileFormat.h"
#include "gameFileReader.h"
#include "gameFileWriter.h"
#include "gameLoader.h"
#include "resumeAttributes.h"
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
    // A file named on the command line comes instead of the offer. A game kept
    // from before then stays untouched for the next start: this run keeps none.
    // A file that does not load leaves the start as it is without one.
    const bool keptBefore = _keptGame->Exists();
    const bool loaded = !_startFile.isEmpty() && OpenStartFile();
    if (loaded && keptBefore)
        return;
    // A second running program neither offers nor overwrites the first one's game.
    if (!_keptGame->Claim())
        return;
    if (loaded)
        KeepUnfinishedGame();
    else if (keptBefore)
        OfferKeptGame();
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
    if (UserDialogs().AskChoice(this, ApplicationTitle(), tr("Resume the unfinished game?"), tr("Resume"),
                                tr("New game")))
        ResumeKeptGame();
    else
        _keptGame->Remove();
}

void TFrmVeltanBrd::ResumeKeptGame()
{
    QFile file(_keptGame->Path());
    const QByteArray document =
        file.open(QIODevice::ReadOnly) ? file.read(gamefile::MaxFileBytes + 1) : QByteArray();
    const TGameFileReading reading = ParseGameFile(document);
    if (!reading.Passed()) {
        const QString aside = _keptGame->SetAside();
        ShowMessage(tr("The unfinished game could not be read (%1); it was set aside as \"%2\".")
                        .arg(reading.problem, QDir::toNativeSeparators(aside)),
                    QMessageBox::Warning);
        return;
    }
    TResumingHost host(*this);
    ApplyGameFile(reading.game, *VeltanBrd1, host);
    ApplyResumeState(ReadResumeState(document), *VeltanBrd1);
    // Stopped, both clocks and the turn as they stood: Start/Stop goes on.
    UpdateGameSettings();
    SetStatusText(QString::fromStdString(VeltanBrd1->GetMovesLeftInTurn()) + GameStoppedSuffix);
    ShowClocks();
    _unsavedMoves = true;
}

void TFrmVeltanBrd::KeepUnfinishedGame()
{
    if (!_keptGame->Claimed())
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
