// The two information boxes of the menu.

#include "VeltanGUI.h"
#include "infoTexts.h"

void TFrmVeltanBrd::MnuItmInfoClick()
{
    ShowMessage(InformationText(), QMessageBox::Information);
}

void TFrmVeltanBrd::Disclaimer1Click()
{
    ShowMessage(DisclaimerText(), QMessageBox::Information);
}
