// The menu commands that act on the board directly or open the promotion dialog.

#include "VeltanGUI.h"
#include "VeltanPromote.h"
#include "veltanbrd.h"

void TFrmVeltanBrd::MnuItemWhiteOnTopClick()
{
    VeltanBrd1->SetWhiteOnTop(!VeltanBrd1->WhiteOnTop());
    RememberBoardLook();
}

void TFrmVeltanBrd::MnuItemShowCoordinatesClick()
{
    VeltanBrd1->SetDisplayCoords(VeltanBrd1->DisplayCoords().Empty() ? CoordSet::All() : CoordSet{});
    RememberBoardLook();
}

void TFrmVeltanBrd::StartStop1Click()
{
    StartStop();
}

void TFrmVeltanBrd::MnuItemTest1Click()
{
    // A look at the promotion dialog; the piece picked is not used.
    TFrmPromote dialog(this, *VeltanBrd1);
    RunModal(dialog);
}
