// Keeping the sliders' mobility up to date as cells change. A line's value
// depends only on the first MobilityReach cells along it, so a change of one
// cell touches the piece on it and the sliders that see that cell within
// their reach: a few cells in each of eight directions, far less than
// walking every slider's lines at every evaluation.

#include "engineGame.h"
#include "mobility.h"
#include "squareSet.h"
#include "steps.h"

namespace engine {

namespace {

// For each square, the squares within MobilityReach steps of it along its
// diagonals and along its rank and file: where a slider moving that way must
// stand for a change of that square to touch its mobility.
constexpr bool DiagonallyWithinReach(int dx, int dy)
{
    const int ax = dx < 0 ? -dx : dx, ay = dy < 0 ? -dy : dy;
    return ax != 0 && ax == ay && ax <= MobilityReach;
}

constexpr bool StraightWithinReach(int dx, int dy)
{
    const int ax = dx < 0 ? -dx : dx, ay = dy < 0 ? -dy : dy;
    return (ax == 0) != (ay == 0) && ax <= MobilityReach && ay <= MobilityReach;
}

constexpr std::array<TSquareSet, SquareCount> DiagonallyNear = SquareSetTable(DiagonallyWithinReach);
constexpr std::array<TSquareSet, SquareCount> StraightNear = SquareSetTable(StraightWithinReach);

} // namespace

void TEngineGame::MarkSlider(int cell, Code code, bool present)
{
    const int kind = KindOf(code), index = SetIndexOfCell(cell);
    if (kind != Rook)
        MarkSquare(diagonalSliders_, index, present);
    if (kind != Bishop)
        MarkSquare(straightSliders_, index, present);
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
    // the two the cell is becoming. Most cells that change have no slider
    // moving their way near them, and only such sliders' lines are looked at.
    const std::size_t index = static_cast<std::size_t>(SetIndexOfCell(cell));
    const bool diagonal = Meets(DiagonallyNear[index], diagonalSliders_);
    const bool straight = Meets(StraightNear[index], straightSliders_);
    const int first = diagonal ? 0 : 4, last = straight ? 8 : 4;
    const Code* const board = cell_.data();
    for (int d = first; d < last; ++d) {
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
