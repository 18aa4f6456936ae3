// The menu commands of the computer player: which teams it plays and how
// well, chosen between games like the hidden radio group; and, during play,
// "Move now" and "Suggest a move".

#include <QActionGroup>
#include <QMenu>
#include <QRandomGenerator>

#include "VeltanGUI.h"
#include "computerLevels.h"
#include "externalEngine.h"
#include "settingsKeys.h"
#include "settingsStore.h"
#include "ui_VeltanGUI.h"
#include "veltanbrd.h"

namespace {

// A suggestion is meant for a person waiting at the board.
constexpr std::chrono::milliseconds SuggestionTime{2000};

} // namespace

void TFrmVeltanBrd::ConnectComputerMenu()
{
    connect(ui->MnuItemComputerWhite, &QAction::triggered, this, &TFrmVeltanBrd::MnuItemComputerWhiteClick);
    connect(ui->MnuItemComputerBlack, &QAction::triggered, this, &TFrmVeltanBrd::MnuItemComputerBlackClick);
    connect(ui->MnuItemMoveNow, &QAction::triggered, this, &TFrmVeltanBrd::MnuItemMoveNowClick);
    connect(ui->MnuItemSuggestMove, &QAction::triggered, this, &TFrmVeltanBrd::MnuItemSuggestMoveClick);

    auto* const levels = new QActionGroup(this);
    levels->setExclusive(true);
    // The strength steps are what most people choose from; how long the full
    // search thinks is for those who know what a depth is.
    QMenu* const advanced = ui->MnuComputerLevel->addMenu(tr("Advanced"));
    for (const TComputerLevel& level : ComputerLevels()) {
        const bool isStep = level.pace == TComputerLevel::TPace::Strength;
        QMenu* const menu = isStep ? ui->MnuComputerLevel : advanced;
        // The fixed times, the clock and the depths each form a group of their own.
        if (!isStep && level.pace != TComputerLevel::TPace::MoveTime && level.amount <= 1)
            menu->addSeparator();
        QAction* const action = menu->addAction(level.caption);
        action->setCheckable(true);
        action->setData(level.key);
        levels->addAction(action);
    }
    connect(levels, &QActionGroup::triggered, this, &TFrmVeltanBrd::ComputerLevelChosen);
    // A weak step makes other mistakes in every session, not the same ones each time.
    VeltanBrd1->SetStrengthSeed(QRandomGenerator::global()->generate64());
    ConnectEngineMenu();
    UpdateComputerMenu();
}

void TFrmVeltanBrd::MnuItemComputerWhiteClick(bool checked)
{
    // A game decided elsewhere is handed to the computer through whoever decides it.
    if (_authority != nullptr) {
        _authority->SetComputerTeam(true, checked);
        UpdateComputerMenu();
        return;
    }
    VeltanBrd1->SetComputerPlaysWhite(checked);
    RememberComputerPlayer();
    UpdateComputerMenu();
}

void TFrmVeltanBrd::MnuItemComputerBlackClick(bool checked)
{
    if (_authority != nullptr) {
        _authority->SetComputerTeam(false, checked);
        UpdateComputerMenu();
        return;
    }
    VeltanBrd1->SetComputerPlaysBlack(checked);
    RememberComputerPlayer();
    UpdateComputerMenu();
}

void TFrmVeltanBrd::ComputerLevelChosen(QAction* action)
{
    ApplyComputerLevel(*VeltanBrd1, action->data().toString());
    // Online the board's players are the authority's, not the ones to remember.
    if (_authority != nullptr)
        _settings->Write(settingkeys::ComputerLevel, action->data().toString());
    else
        RememberComputerPlayer();
    UpdateComputerMenu();
}

void TFrmVeltanBrd::MnuItemMoveNowClick()
{
    // Whichever engine thinks plays its best move so far; the other does nothing.
    if (!VeltanBrd1->MoveNow())
        _externalEngine->MoveNow();
}

void TFrmVeltanBrd::MnuItemSuggestMoveClick()
{
    if (VeltanBrd1->SuggestMove(SuggestionTime))
        UpdateThinkingLine();
}

void TFrmVeltanBrd::UpdateMoveNow()
{
    // "Move now" only means something while the computer thinks about its own
    // move, which it does from the moment it is to move in running play.
    const bool thinks = VeltanBrd1->Thinking() ||
                        (_externalEngine != nullptr && _externalEngine->Thinking()) ||
                        (!VeltanBrd1->GameEnded() && VeltanBrd1->ComputerToMove());
    ui->MnuItemMoveNow->setEnabled(thinks);
}

void TFrmVeltanBrd::UpdateComputerMenu()
{
    // A running game keeps its players and its pace: the choices wait for "Start/Stop".
    // A game decided elsewhere lets the computer take a team whose seats are
    // all held here, at any time, and its level with it.
    const bool betweenGames = VeltanBrd1->GameEnded() && _authority == nullptr;
    TComputerTeam white{betweenGames, VeltanBrd1->ComputerPlaysWhite()};
    TComputerTeam black{betweenGames, VeltanBrd1->ComputerPlaysBlack()};
    if (_authority != nullptr) {
        white = _authority->ComputerTeam(true);
        black = _authority->ComputerTeam(false);
    }
    const bool levelsOpen = betweenGames || white.mayPlay || black.mayPlay;
    ui->MnuItemComputerWhite->setEnabled(white.mayPlay);
    ui->MnuItemComputerBlack->setEnabled(black.mayPlay);
    ui->MnuComputerLevel->menuAction()->setEnabled(levelsOpen);
    ui->MnuItemComputerWhite->setChecked(white.plays);
    ui->MnuItemComputerBlack->setChecked(black.plays);
    const QString level = CurrentComputerLevel(*VeltanBrd1).key;
    // The levels of the Advanced submenu are the menu's children too.
    for (QAction* const action : ui->MnuComputerLevel->findChildren<QAction*>()) {
        if (action->isCheckable()) {
            action->setEnabled(levelsOpen);
            action->setChecked(action->data().toString() == level);
        }
    }
    UpdateEngineMenu();
    UpdateMoveNow();
    // The hidden radio buttons tell the same story.
    ui->RadioGroup1Computer->setChecked(VeltanBrd1->ComputerPlaysBlack());
    ui->RadioGroup1Human->setChecked(!VeltanBrd1->ComputerPlaysBlack());
    ui->RadioGroup2Computer->setChecked(VeltanBrd1->ComputerPlaysWhite());
    ui->RadioGroup2Human->setChecked(!VeltanBrd1->ComputerPlaysWhite());
}
