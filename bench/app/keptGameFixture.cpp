#include "keptGameFixture.h"

std::unique_ptr<TVeltanBrdKernel> LongGame(int moves)
{
    auto board = std::make_unique<TVeltanBrdKernel>();
    board->NewGame();
    MoveInfo record = board->MoveList[0];
    record.TimeLeft = board->TimeStartWhite();
    for (int n = 1; n <= moves; ++n) {
        record.WhiteTeamIsPlaying = n % 2 == 1;
        record.OldSquare = record.WhiteTeamIsPlaying ? A02 : A15;
        record.NewSquare = record.WhiteTeamIsPlaying ? A03 : A14;
        board->LoadMove(n, record);
    }
    board->LastMove = moves;
    return board;
}
