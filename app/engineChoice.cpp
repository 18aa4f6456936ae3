// Which engine plays the computer's moves: the built-in search, or another
// program speaking the engine protocol, chosen between games and remembered.
// A program that is missing or fails gives way to the built-in engine for the
// rest of the run and stays remembered: the trouble may pass (a disk mounted,
// a program rebuilt), the player's choice is not undone by it.

#include <QActionGroup>
#include <QMenu>

#include "VeltanGUI.h"
#include "externalEngine.h"
#include "settingsKeys.h"
#include "ui_VeltanGUI.h"
#include "userDialogs.h"
#include "veltanbrd.h"

void TFrmVeltanBrd::ConnectEngineMenu()
{
    auto* const menu = new QMenu(tr("Computer engine"), ui->N1);
    ui->N1->insertMenu(ui->MnuItemMoveNow, menu);
    auto* const engines = new QActionGroup(menu);
    engines->setExclusive(true);
    _engineBuiltIn = menu->addAction(tr("Built-in"));
    _engineProgram = menu->addAction(tr("Program…"));
    for (QAction* const action : {_engineBuiltIn, _engineProgram}) {
        action->setCheckable(true);
        engines->addAction(action);
    }
    _engineBuiltIn->setChecked(true);
    connect(_engineBuiltIn, &QAction::triggered, this, &TFrmVeltanBrd::EngineBuiltInChosen);
    connect(_engineProgram, &QAction::triggered, this, &TFrmVeltanBrd::EngineProgramChosen);

    _externalEngine = new TExternalEngine(*VeltanBrd1, this);
    connect(_externalEngine, &TExternalEngine::Failed, this, &TFrmVeltanBrd::ExternalEngineFailed);
    VeltanBrd1->OnHostMoveDue = [this](TVeltanBrdKernel&) { _externalEngine->MoveDue(); };
    VeltanBrd1->OnHostMoveCancelled = [this](TVeltanBrdKernel&) { _externalEngine->Cancel(); };
    ApplyRememberedEngine();
}

void TFrmVeltanBrd::EngineBuiltInChosen()
{
    VeltanBrd1->SetHostPlaysComputer(false);
    _externalEngine->Shutdown();
    RememberEngine();
    UpdateEngineMenu();
}

void TFrmVeltanBrd::EngineProgramChosen()
{
    const QString program =
        UserDialogs().GetOpenFileName(this, tr("Choose an engine program"), QString(), QString());
    if (!program.isEmpty()) {
        VeltanBrd1->SetHostPlaysComputer(true);
        _externalEngine->Start(program);
        RememberEngine();
    }
    // A cancelled choice leaves the engine that played before.
    UpdateEngineMenu();
}

void TFrmVeltanBrd::ExternalEngineFailed(const QString& message)
{
    // The game is kept as it stands and stopped before the message is shown,
    // so no clock runs behind it; the built-in search takes over. The program
    // stays the remembered choice, and is tried again at the next start.
    VeltanBrd1->SetHostPlaysComputer(false);
    if (!VeltanBrd1->GameEnded())
        StartStop();
    UpdateEngineMenu();
    ShowMessage(message, QMessageBox::Warning);
}

void TFrmVeltanBrd::UpdateEngineMenu()
{
    if (_engineBuiltIn == nullptr)
        return;
    const bool external = VeltanBrd1->HostPlaysComputer();
    _engineBuiltIn->setChecked(!external);
    _engineProgram->setChecked(external);
    // A remembered program that does not play in this run is missing or has
    // failed: named, so the player sees which one waits for the next start.
    const QString remembered = _settings->Read(settingkeys::Engine);
    const bool unavailable = !external && remembered != QLatin1String(settingkeys::BuiltInEngine);
    _engineProgram->setText(unavailable
                                ? tr("Program… (%1 unavailable)").arg(TExternalEngine::NameOf(remembered))
                                : tr("Program…"));
    const bool betweenGames = VeltanBrd1->GameEnded();
    _engineBuiltIn->setEnabled(betweenGames);
    _engineProgram->setEnabled(betweenGames);
}
