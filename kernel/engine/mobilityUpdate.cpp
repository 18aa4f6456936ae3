// Keeping the sliders' mobility up to date as cells change. A line's value
// depends only on the first MobilityReach cells along it, so a change of one
// cell touches the piece on it and the sliders that see that cell within
// their reach: a few cells in each of eight directions, far less than
// walking every slider's lines at every evaluation.

#include <array>
#include <cstdint>

#include "engineGame.h"
#include "mobility.h"
#include "steps.h"

namespace engine {

namespace {

// For each board square (0..255), the squares within MobilityReach steps of
// it along its eight lines, as four words of 64 squares: where a slider must
// stand for a change of that square to touch its mobility.
using TSquareSet = std::array<std::uint64_t, 4>;

constexpr std::array<TSquareSet, SquareCount> NearTable()
{
    std::array<TSquareSet, SquareCount> table{};
    for (int sq = 0; sq < SquareCount; ++sq) {
        const int row = sq / BoardSize, file = sq % BoardSize;
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                for (int k = 1; k <= MobilityReach && (dx != 0 || dy != 0); ++k) {
                    const int r = row + k * dy, f = file + k * dx;
                    if (r < 0 || r >= BoardSize || f < 0 || f >= BoardSize)
                        break;
                    const int near = r * BoardSize + f;
                    table[static_cast<std::size_t>(sq)][static_cast<std::size_t>(near / 64)] |=
                        std::uint64_t{1} << (near % 64);
                }
            }
        }
    }
    return table;
}

constexpr std::array<TSquareSet, SquareCount> Near = NearTable();

} // namespace

void TEngineGame::MarkSlider(int cell, bool present)
{
    const int index = SquareOfCell[static_cast<std::size_t>(cell)] - 1;
    const std::uint64_t bit = std::uint64_t{1} << (index % 64);
    std::uint64_t& word = sliderSquares_[static_cast<std::size_t>(index / 64)];
    word = present ? word | bit : word & ~bit;
}

int TEngineGame::SliderMobility(int cell) const
{
    const Code* const board = cell_.data();
    const Code code = board[cell];
    const int kind = KindOf(code), opponent = 1 - SideOf(code);
    int squares = 0;
    for (int d = 0; d < 8; ++d) {
        if (SlidesAlong(kind, d))
            squares += LineMobility(board, cell, KingSteps[static_cast<std::size_t>(d)], opponent);
    }
    return squares * MobilityWeight(kind);
}

void TEngineGame::AdjustLinesThrough(int cell, Code occupant, int sign)
{
    // The cell is empty now. A slider k cells away with nothing between sees
    // `occupant` there as the end of its line (k - 1 squares, one more if it
    // may capture it); empty, the line runs on past it. sign says which of
    // the two the cell is becoming.
    // Most cells that change have no slider near them at all.
    const TSquareSet& near = Near[static_cast<std::size_t>(SquareOfCell[static_cast<std::size_t>(cell)] - 1)];
    if (((near[0] & sliderSquares_[0]) | (near[1] & sliderSquares_[1]) | (near[2] & sliderSquares_[2]) |
         (near[3] & sliderSquares_[3])) == 0)
        return;
    const Code* const board = cell_.data();
    for (int d = 0; d < 8; ++d) {
        const int step = KingSteps[static_cast<std::size_t>(d)];
        // The first occupied cell within the reach, if any: on a full board
        // nearly always the first one looked at.
        int k = 1, at = cell + step;
        while (board[at] == Empty && k < MobilityReach) {
            ++k;
            at += step;
        }
        const Code found = board[at];
        if ((SlideMask[found] >> d) & 1) {
            const int kind = KindOf(found), side = SideOf(found), opponent = 1 - side;
            const int open = LineMobility(board, at, -step, opponent);
            const int blocked = k - 1 + (IsSide(occupant, opponent) ? 1 : 0);
            mobility_[static_cast<std::size_t>(side)] += sign * MobilityWeight(kind) * (open - blocked);
        }
    }
}

int TEngineGame::CountMobility(int side) const
{
    int total = 0;
    const TCellList& list = sliders_[static_cast<std::size_t>(side)];
    for (int i = 0; i < list.count; ++i)
        total += SliderMobility(list.cells[static_cast<std::size_t>(i)]);
    return total;
}

} // namespace engine
