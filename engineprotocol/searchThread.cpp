#include "searchThread.h"

#include "engineOutput.h"

TSearchThread::TSearchThread(TLineSink say) : say_(std::move(say))
{
}

TSearchThread::~TSearchThread()
{
    Stop();
    Wait();
}

void TSearchThread::Start(TEngineSearch& search, const TSearchLimits& limits, bool untilStopped)
{
    Wait();
    stop_ = false;
    running_ = true;
    thread_ = std::jthread([this, &search, limits, untilStopped] {
        const TEngineMove move =
            search.Find(limits, stop_, [this](const TIterationReport& report) { say_(InfoLine(report)); });
        if (untilStopped)
            stop_.wait(false);
        // Cleared first: whoever reads the bestmove may send the next go at once.
        running_ = false;
        say_(BestMoveLine(move));
    });
}

void TSearchThread::Stop()
{
    stop_ = true;
    stop_.notify_all();
}

void TSearchThread::Wait()
{
    if (thread_.joinable())
        thread_.join();
}
