// The computer player's settings and entry points. No search exists yet:
// Think has nothing to start, and CancelThinking only has a thread to stop
// once one has been created.

#include <algorithm>
#include <chrono>
#include <thread>

#include "veltanbrdKernel.h"
#include "veltanbrdThread.h"

void TVeltanBrdKernel::SetComputerPlaysWhite(bool value)
{
    CancelThinking();
    _ComputerPlaysWhite = value;
    Think();
}

void TVeltanBrdKernel::SetComputerPlaysBlack(bool value)
{
    CancelThinking();
    _ComputerPlaysBlack = value;
    Think();
}

void TVeltanBrdKernel::SetSearchDepth(int value)
{
    _SearchDepth = std::clamp(value, 1, 8);
}

bool TVeltanBrdKernel::Thinking() const
{
    return NowVeltanbrdThread != nullptr && NowVeltanbrdThread->Thinking;
}

void TVeltanBrdKernel::Think()
{
}

void TVeltanBrdKernel::CancelThinking()
{
    if (!_CustomEngine && NowVeltanbrdThread != nullptr && !FGameEnded) {
        NowVeltanbrdThread->StopThinkingNow = true;
        while (NowVeltanbrdThread->Thinking)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    stopThinking = true;
}
