#pragma once
// The engine's side of a conversation: one command line in, its answers out.
// Each command has a function of its own; the search runs on its own thread
// and never knows the protocol exists.

#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "engineOptions.h"
#include "engineSearch.h"
#include "refereeGame.h"
#include "searchThread.h"
#include "veltanbrdKernel.h"

/// How the engine names itself, and bounds for harnesses that must not wait.
struct TSessionSettings {
    std::string name = "Veltan";
    std::string author = "the Veltan developers";
    /// Every search also stops here, whatever `go` asks (zero: no bound).
    /// The engine program sets none; a fuzzing harness keeps searches short.
    int maxDepth = 0;
    std::uint64_t maxNodes = 0;
};

/// One conversation with an interface. Answers go to the sink one line at a
/// time, never two at once, from the reading thread or the search's.
class TProtocolSession {
public:
    TProtocolSession(TSessionSettings settings, TLineSink out);
    /// Stops a running search and waits for it.
    ~TProtocolSession();
    TProtocolSession(const TProtocolSession&) = delete;
    TProtocolSession& operator=(const TProtocolSession&) = delete;

    /// Handles one line; false once `quit` has been read (a running search
    /// has then been stopped and its bestmove written).
    bool HandleLine(std::string_view line);

private:
    using TWords = std::vector<std::string>;
    using TCommand = void (TProtocolSession::*)(const TWords&);

    void Vep(const TWords& words);
    void IsReady(const TWords& words);
    void SetOption(const TWords& words);
    void NewGame(const TWords& words);
    void Position(const TWords& words);
    void Go(const TWords& words);
    void Stop(const TWords& words);

    void Say(const std::string& line);
    void Refuse(const std::string& command, const std::string& problem);
    /// True (after one refusal line) while a search runs, for commands that
    /// would change what it uses; a search already told to stop is waited for.
    bool RefusedWhileSearching(const std::string& command);
    void SetDefaultGame();
    /// A search with a table of the size, or null when there is no memory for it.
    std::unique_ptr<TEngineSearch> MadeSearch(int hashMegabytes) const;

    static const std::map<std::string, TCommand, std::less<>>& Commands();

    TSessionSettings settings_;
    TLineSink out_;
    std::mutex outMutex_;
    TEngineOptions options_;
    std::unique_ptr<TVeltanBrdKernel> game_;
    std::unique_ptr<TEngineSearch> search_; ///< made at the first go
    // The table's knowledge holds for the same turn rules; a new game clears it anyway.
    bool tableValid_ = false;
    TTurnRules tableRules_;
    // Declared last: destroyed first, so the search it runs is stopped before anything it uses goes.
    TSearchThread thread_;
};
