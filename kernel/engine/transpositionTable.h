#pragma once
// The transposition table: what the search has learnt about a position,
// found again when the same position is reached by another order of moves.

#include <cstdint>
#include <vector>

#include "engineGame.h"

namespace engine {

/// What a stored score says about the true value.
enum class TBound : std::uint8_t { None, Exact, Lower, Upper };

/// One stored position.
struct TTableEntry {
    std::uint64_t key = 0;
    std::int32_t score = 0;
    std::uint16_t from = 0; ///< cell of the best move's piece, 0 for none
    std::uint16_t to = 0;
    std::int16_t depth = -1;
    TBound bound = TBound::None;
};

/// A fixed-size table of positions, indexed by key.
class TTranspositionTable {
public:
    /// A table of about the given size (at least one entry).
    explicit TTranspositionTable(std::size_t megabytes);
    /// The entry of the key, or nullptr.
    const TTableEntry* Probe(std::uint64_t key) const;
    /// Stores a result; deeper results of the same position are kept.
    void Store(std::uint64_t key, int score, TCellMove best, int depth, TBound bound);
    void Clear();

private:
    std::vector<TTableEntry> entries_;
    std::uint64_t mask_ = 0;
};

} // namespace engine
