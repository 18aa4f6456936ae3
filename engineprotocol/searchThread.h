#pragma once
// The search runs on a thread of its own, so that the command reader answers
// `isready` and `stop` at once while it thinks.

#include <atomic>
#include <functional>
#include <string>
#include <thread>

#include "engineSearch.h"

/// Writes one line of output; may be called from the search's thread.
using TLineSink = std::function<void(const std::string&)>;

/// One search at a time on its own thread, writing its info and bestmove lines.
class TSearchThread {
public:
    /// A thread that writes through `say`.
    explicit TSearchThread(TLineSink say);
    /// Stops a running search and waits for it.
    ~TSearchThread();
    TSearchThread(const TSearchThread&) = delete;
    TSearchThread& operator=(const TSearchThread&) = delete;

    /// Starts searching; the search must not be touched until the bestmove
    /// line is out. With untilStopped the bestmove waits for Stop, even when
    /// the search itself has ended.
    void Start(TEngineSearch& search, const TSearchLimits& limits, bool untilStopped);
    /// Asks a running search to end; its bestmove line follows at once. Does not wait.
    void Stop();
    /// Waits until the thread has written its bestmove line and ended.
    void Wait();
    /// True from Start until just before the bestmove line is written.
    bool Running() const { return running_.load(); }
    /// True once Stop has been called for the search in flight (or when there is none).
    bool Stopping() const { return stop_.load(); }

private:
    TLineSink say_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> running_{false};
    std::jthread thread_;
};
