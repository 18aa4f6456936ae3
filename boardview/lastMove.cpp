// The "Show last move" switch of the board.

#include "veltanbrd.h"

void TVeltanBrd::SetShowLastMove(bool value)
{
    if (_showLastMove == value)
        return;
    _showLastMove = value;
    Paint();
}
