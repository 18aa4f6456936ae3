#pragma once
// The transposition table: what the search has learnt about a position,
// found again when the same position is reached by another order of moves.
// Searches on several threads share one table without locks: each slot is two
// 64-bit atomic words, the key XOR-ed with the packed data and the data, so a
// slot torn by two writers at once fails the key test and is simply not found.

#include <atomic>
#include <cstdint>
#include <memory>

#include "engineGame.h"

namespace engine {

/// What a stored score says about the true value.
enum class TBound : std::uint8_t { None, Exact, Lower, Upper };

/// One stored position, as a probe reads it.
struct TTableEntry {
    std::uint64_t key = 0;
    std::int32_t score = 0;
    std::uint16_t from = 0; ///< cell of the best move's piece, 0 for none
    std::uint16_t to = 0;
    std::int16_t depth = -1;
    TBound bound = TBound::None;
};

/// A fixed-size table of positions, indexed by key. Probe and Store may be
/// called from any number of threads at once; Clear only while none searches.
class TTranspositionTable {
public:
    /// A table of about the given size (at least one entry).
    explicit TTranspositionTable(std::size_t megabytes);
    /// Reads the entry of the key into `entry`; false when the key has none.
    bool Probe(std::uint64_t key, TTableEntry& entry) const;
    /// Stores a result; deeper results of the same position are kept.
    void Store(std::uint64_t key, int score, TCellMove best, int depth, TBound bound);
    /// Forgets every position.
    void Clear();

private:
    struct TSlot {
        std::atomic<std::uint64_t> check{0}; ///< key ^ data
        std::atomic<std::uint64_t> data{0};
    };

    std::unique_ptr<TSlot[]> slots_;
    std::size_t size_ = 1;
    std::uint64_t mask_ = 0;
};

} // namespace engine
