// The transposition table. One entry per slot: a new result replaces an
// older one unless the older one is of the same position and searched deeper.
// Relaxed atomics suffice: a reader that sees the words of two different
// writes finds key ^ data wrong and treats the slot as empty.

#include "transpositionTable.h"

namespace engine {

namespace {

// The packed data: score in the low 32 bits, then from and to cells (9 bits
// each, cells lie below 512), the depth plus one (8 bits) and the bound.
constexpr int FromShift = 32, ToShift = 41, DepthShift = 50, BoundShift = 58;
constexpr std::uint64_t CellMask = 0x1FF, DepthMask = 0xFF, BoundMask = 0x3;
static_assert(CellCount <= CellMask + 1);

std::uint64_t Pack(int score, std::uint16_t from, std::uint16_t to, int depth, TBound bound)
{
    return static_cast<std::uint32_t>(score) | (std::uint64_t{from} << FromShift) |
           (std::uint64_t{to} << ToShift) | (static_cast<std::uint64_t>(depth + 1) << DepthShift) |
           (static_cast<std::uint64_t>(bound) << BoundShift);
}

TTableEntry Unpack(std::uint64_t key, std::uint64_t data)
{
    TTableEntry entry;
    entry.key = key;
    entry.score = static_cast<std::int32_t>(static_cast<std::uint32_t>(data));
    entry.from = static_cast<std::uint16_t>((data >> FromShift) & CellMask);
    entry.to = static_cast<std::uint16_t>((data >> ToShift) & CellMask);
    entry.depth = static_cast<std::int16_t>(static_cast<int>((data >> DepthShift) & DepthMask) - 1);
    entry.bound = static_cast<TBound>((data >> BoundShift) & BoundMask);
    return entry;
}

} // namespace

TTranspositionTable::TTranspositionTable(std::size_t megabytes)
{
    const std::size_t wanted = megabytes * 1024 * 1024 / sizeof(TSlot);
    while (size_ * 2 <= wanted)
        size_ *= 2;
    slots_ = std::make_unique<TSlot[]>(size_);
    mask_ = size_ - 1;
}

bool TTranspositionTable::Probe(std::uint64_t key, TTableEntry& entry) const
{
    const TSlot& slot = slots_[static_cast<std::size_t>(key & mask_)];
    const std::uint64_t data = slot.data.load(std::memory_order_relaxed);
    const std::uint64_t check = slot.check.load(std::memory_order_relaxed);
    if ((check ^ data) != key)
        return false;
    entry = Unpack(key, data);
    return entry.bound != TBound::None;
}

void TTranspositionTable::Store(std::uint64_t key, int score, TCellMove best, int depth, TBound bound)
{
    TSlot& slot = slots_[static_cast<std::size_t>(key & mask_)];
    const std::uint64_t oldData = slot.data.load(std::memory_order_relaxed);
    const bool samePosition = (slot.check.load(std::memory_order_relaxed) ^ oldData) == key;
    const TTableEntry old = Unpack(key, oldData);
    if (samePosition && old.depth > depth && bound != TBound::Exact)
        return;
    // A fail-low result knows no best move; keep the one found before.
    const bool newMove = best.from != 0 || !samePosition;
    const std::uint64_t data =
        Pack(score, newMove ? best.from : old.from, newMove ? best.to : old.to, depth, bound);
    slot.data.store(data, std::memory_order_relaxed);
    slot.check.store(key ^ data, std::memory_order_relaxed);
}

void TTranspositionTable::Clear()
{
    for (std::size_t i = 0; i < size_; ++i) {
        slots_[i].check.store(0, std::memory_order_relaxed);
        slots_[i].data.store(0, std::memory_order_relaxed);
    }
}

} // namespace engine
