// The controls of the computer player that are part of the window but never
// shown; the menu offers the same choices (computerMenu.cpp).

#include "VeltanGUI.h"
#include "ui_VeltanGUI.h"
#include "veltanbrd.h"

void TFrmVeltanBrd::ConnectHiddenControls()
{
    connect(ui->RadioGroup1Human, &QRadioButton::clicked, this, &TFrmVeltanBrd::RadioGroup1Click);
    connect(ui->RadioGroup1Computer, &QRadioButton::clicked, this, &TFrmVeltanBrd::RadioGroup1Click);
    connect(ui->RadioGroup2Human, &QRadioButton::clicked, this, &TFrmVeltanBrd::RadioGroup2Click);
    connect(ui->RadioGroup2Computer, &QRadioButton::clicked, this, &TFrmVeltanBrd::RadioGroup2Click);
    connect(ui->ComboBox2, &QComboBox::currentIndexChanged, this, &TFrmVeltanBrd::ComboBox2Change);
    connect(ui->CheckBoxLines, &QCheckBox::toggled, this, &TFrmVeltanBrd::CheckBoxLinesClick);
    connect(ui->Buttonnew, &QPushButton::clicked, this, &TFrmVeltanBrd::ButtonnewClick);
    connect(ui->ButtonMove, &QPushButton::clicked, this, &TFrmVeltanBrd::ButtonMoveClick);
    connect(ui->ButtonStop, &QPushButton::clicked, this, &TFrmVeltanBrd::ButtonStopClick);
}

void TFrmVeltanBrd::RadioGroup1Click()
{
    VeltanBrd1->SetComputerPlaysBlack(ui->RadioGroup1Computer->isChecked());
    UpdateComputerMenu();
}

void TFrmVeltanBrd::RadioGroup2Click()
{
    VeltanBrd1->SetComputerPlaysWhite(ui->RadioGroup2Computer->isChecked());
    UpdateComputerMenu();
}

void TFrmVeltanBrd::ComboBox2Change(int index)
{
    // Item 1 is "Custom (random)".
    VeltanBrd1->SetCustomEngine(index == 1);
}

void TFrmVeltanBrd::CheckBoxLinesClick(bool checked)
{
    VeltanBrd1->SetBoardLines(checked);
}

void TFrmVeltanBrd::ButtonnewClick()
{
    // Toggles play like "Start/Stop". The clock follows the game: a clock
    // started on a stopped game would run a team out of time with nobody playing.
    VeltanBrd1->SetGameEnded(!VeltanBrd1->GameEnded());
    UpdateGameSettings();
}

void TFrmVeltanBrd::ButtonMoveClick()
{
    VeltanBrd1->Think();
}

void TFrmVeltanBrd::ButtonStopClick()
{
    VeltanBrd1->CancelThinking();
}
