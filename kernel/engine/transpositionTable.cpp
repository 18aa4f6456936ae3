// The transposition table. One entry per slot: a new result replaces an
// older one unless the older one is of the same position and searched deeper.

#include "transpositionTable.h"

namespace engine {

TTranspositionTable::TTranspositionTable(std::size_t megabytes)
{
    const std::size_t wanted = megabytes * 1024 * 1024 / sizeof(TTableEntry);
    std::size_t size = 1;
    while (size * 2 <= wanted)
        size *= 2;
    entries_.resize(size);
    mask_ = size - 1;
}

const TTableEntry* TTranspositionTable::Probe(std::uint64_t key) const
{
    const TTableEntry& entry = entries_[static_cast<std::size_t>(key & mask_)];
    return entry.key == key && entry.bound != TBound::None ? &entry : nullptr;
}

void TTranspositionTable::Store(std::uint64_t key, int score, TCellMove best, int depth, TBound bound)
{
    TTableEntry& entry = entries_[static_cast<std::size_t>(key & mask_)];
    const bool samePosition = entry.key == key;
    if (samePosition && entry.depth > depth && bound != TBound::Exact)
        return;
    entry.key = key;
    entry.score = score;
    // A fail-low result knows no best move; keep the one found before.
    if (best.from != 0 || !samePosition) {
        entry.from = best.from;
        entry.to = best.to;
    }
    entry.depth = static_cast<std::int16_t>(depth);
    entry.bound = bound;
}

void TTranspositionTable::Clear()
{
    for (TTableEntry& entry : entries_)
        entry = TTableEntry{};
}

} // namespace engine
