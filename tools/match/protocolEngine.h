#pragma once
// An engine program spoken to through the protocol (docs/engine-protocol.md):
// greeted once, told of each new game, and asked for one move at a time.
// Everything it writes is checked; what it cannot answer in time is its failure.

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engineProcess.h"
#include "moveText.h"

/// What came of asking for a move.
struct TEngineAnswer {
    std::optional<TProtocolMove> move; ///< absent when the engine failed
    std::string text;                  ///< the move as the engine wrote it
    std::string problem;               ///< why there is no move
    int depth = 0;                     ///< deepest iteration it reported
};

/// A running engine program.
class TProtocolEngine {
public:
    /// Starts the program and greets it (vep, the table size, the search
    /// threads when more than one, each "Name=Value" of `options` as a
    /// setoption, isready); null and a reason when it does not start or does
    /// not answer as it should.
    static std::unique_ptr<TProtocolEngine> Start(const std::string& path, std::size_t hashMegabytes,
                                                  int searchThreads, const std::vector<std::string>& options,
                                                  std::string& problem);

    /// The name it gave for itself.
    const std::string& Name() const { return name_; }

    /// Tells it that a new game begins and waits until it is ready; false when it does not answer.
    bool NewGame();

    /// Sends the position and `go movetime` (with `depth` and `nodes` when
    /// they are above zero), and reads until its bestmove. An engine that
    /// sends nothing within the time and five seconds more, that refuses the
    /// position, has no move or writes no move has failed.
    TEngineAnswer Move(const std::string& position, std::chrono::milliseconds moveTime, int depth = 0,
                       std::uint64_t nodes = 0);

private:
    explicit TProtocolEngine(std::unique_ptr<TEngineProcess> process) : process_(std::move(process)) {}
    /// The next line if it comes before the deadline.
    std::optional<std::string> ReadBefore(std::chrono::steady_clock::time_point deadline);
    /// Reads lines until one starts with `wanted` within the time; that line, or nothing.
    std::optional<std::string> ReadUntil(const std::string& wanted, std::chrono::milliseconds within);

    std::unique_ptr<TEngineProcess> process_;
    std::string name_;
};
