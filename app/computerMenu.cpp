// The menu commands of the computer player: which teams it plays and how
// long it thinks. Both are chosen between games, like the hidden radio group.

#include <QActionGroup>

#include "VeltanGUI.h"
#include "ui_VeltanGUI.h"
#include "veltanbrd.h"

namespace {

// The level menu's entries: 0 stands for the clock, 1..8 for a search depth.
constexpr int ClockLevel = 0;
constexpr int DeepestLevel = 8;

QString LevelCaption(int level)
{
    return level == ClockLevel ? QStringLiteral("By the team's clock")
                               : QStringLiteral("Depth %1").arg(level);
}

} // namespace

void TFrmVeltanBrd::ConnectComputerMenu()
{
    connect(ui->MnuItemComputerWhite, &QAction::triggered, this, &TFrmVeltanBrd::MnuItemComputerWhiteClick);
    connect(ui->MnuItemComputerBlack, &QAction::triggered, this, &TFrmVeltanBrd::MnuItemComputerBlackClick);

    auto* const levels = new QActionGroup(this);
    levels->setExclusive(true);
    for (int level = ClockLevel; level <= DeepestLevel; ++level) {
        QAction* const action = ui->MnuComputerLevel->addAction(LevelCaption(level));
        action->setCheckable(true);
        action->setData(level);
        levels->addAction(action);
        if (level == ClockLevel)
            ui->MnuComputerLevel->addSeparator();
    }
    connect(levels, &QActionGroup::triggered, this, &TFrmVeltanBrd::ComputerLevelChosen);
    UpdateComputerMenu();
}

void TFrmVeltanBrd::MnuItemComputerWhiteClick(bool checked)
{
    VeltanBrd1->SetComputerPlaysWhite(checked);
    RememberComputerPlayer();
    UpdateComputerMenu();
}

void TFrmVeltanBrd::MnuItemComputerBlackClick(bool checked)
{
    VeltanBrd1->SetComputerPlaysBlack(checked);
    RememberComputerPlayer();
    UpdateComputerMenu();
}

void TFrmVeltanBrd::ComputerLevelChosen(QAction* action)
{
    const int level = action->data().toInt();
    VeltanBrd1->SetComputerUsesClock(level == ClockLevel);
    if (level != ClockLevel)
        VeltanBrd1->SetSearchDepth(level);
    RememberComputerPlayer();
    UpdateComputerMenu();
}

void TFrmVeltanBrd::UpdateComputerMenu()
{
    // A running game keeps its players and its pace: the choices wait for "Start/Stop".
    const bool betweenGames = VeltanBrd1->GameEnded();
    ui->MnuItemComputerWhite->setEnabled(betweenGames);
    ui->MnuItemComputerBlack->setEnabled(betweenGames);
    ui->MnuComputerLevel->menuAction()->setEnabled(betweenGames);
    ui->MnuItemComputerWhite->setChecked(VeltanBrd1->ComputerPlaysWhite());
    ui->MnuItemComputerBlack->setChecked(VeltanBrd1->ComputerPlaysBlack());
    const int level = VeltanBrd1->ComputerUsesClock() ? ClockLevel : VeltanBrd1->SearchDepth();
    for (QAction* const action : ui->MnuComputerLevel->actions()) {
        if (action->isCheckable()) {
            action->setEnabled(betweenGames);
            action->setChecked(action->data().toInt() == level);
        }
    }
    // The hidden radio buttons tell the same story.
    ui->RadioGroup1Computer->setChecked(VeltanBrd1->ComputerPlaysBlack());
    ui->RadioGroup1Human->setChecked(!VeltanBrd1->ComputerPlaysBlack());
    ui->RadioGroup2Computer->setChecked(VeltanBrd1->ComputerPlaysWhite());
    ui->RadioGroup2Human->setChecked(!VeltanBrd1->ComputerPlaysWhite());
}
