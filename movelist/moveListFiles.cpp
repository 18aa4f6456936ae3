// The Save and Load buttons of the move list window.

#include "VeltanMoveList.h"
#include "gameFileCommands.h"
#include "veltanbrd.h"

void TFrmVeltanMoveList::BtnSaveClick()
{
    SaveGameAsked(this, VeltanBrd, Host);
}

void TFrmVeltanMoveList::BtnLoadClick()
{
    // The loaded game's moves replace the list.
    if (OpenGameAsked(this, VeltanBrd, Host))
        FillList();
}
