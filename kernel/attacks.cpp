// Attacks: which squares a side claims, and whether a moved piece would
// stand attacked on its destination.

#include <algorithm>

#include "area.h"
#include "veltanbrdKernel.h"

namespace {

struct Step {
    int dx, dy;
};

constexpr std::array<Step, 16> KnightLeaps = {{{1, 4},
                                               {1, -4},
                                               {-1, 4},
                                               {-1, -4},
                                               {4, 1},
                                               {4, -1},
                                               {-4, 1},
                                               {-4, -1},
                                               {2, 3},
                                               {2, -3},
                                               {-2, 3},
                                               {-2, -3},
                                               {3, 2},
                                               {3, -2},
                                               {-3, 2},
                                               {-3, -2}}};
constexpr std::array<Step, 4> Diagonals = {{{1, 1}, {1, -1}, {-1, 1}, {-1, -1}}};
constexpr std::array<Step, 4> Straights = {{{1, 0}, {-1, 0}, {0, 1}, {0, -1}}};

// The attacker's letter for a piece kind, in the side's case.
char Letter(char lowerKind, bool white)
{
    return white ? static_cast<char>(lowerKind - 'a' + 'A') : lowerKind;
}

} // namespace

bool TVeltanBrdKernel::SquareClaimedby(int acolor, const std::string& aboardpos, Square aSqr) const
{
    // Any text is accepted: squares beyond its end count as empty.
    TPosition board;
    board.fill(' ');
    const std::size_t count = std::min<std::size_t>(aboardpos.size(), SquareCount);
    std::copy_n(aboardpos.begin(), count, board.begin() + 1);
    return SquareClaimedOn(acolor, board.data(), aSqr);
}

bool TVeltanBrdKernel::SquareClaimedOn(int acolor, const char* board, Square aSqr) const
{
    if (!IsBoardSquare(aSqr))
        return false;
    const bool white = acolor == ColorWhite;
    const int forward = white ? 1 : -1;
    const char knight = Letter('n', white), bishop = Letter('b', white), rook = Letter('r', white);
    const char queen = Letter('q', white), king = Letter('k', white), pawn = Letter('p', white);
    const int x = FileOf(aSqr), y = RankOf(aSqr);

    for (const Step leap : KnightLeaps) {
        if (OnBoard(x + leap.dx, y + leap.dy) && board[SquareAt(x + leap.dx, y + leap.dy)] == knight)
            return true;
    }
    // Only blanks let a line continue; en passant markers block like pieces.
    const auto firstOnLine = [&](Step step, int& distance) {
        for (distance = 1; OnBoard(x + distance * step.dx, y + distance * step.dy); ++distance) {
            const char c = board[SquareAt(x + distance * step.dx, y + distance * step.dy)];
            if (c != ' ')
                return c;
        }
        return ' ';
    };
    for (const Step step : Diagonals) {
        int distance = 0;
        const char c = firstOnLine(step, distance);
        if (c == queen || c == bishop)
            return true;
        if (c == king && distance <= 2)
            return true;
        if (c == pawn && step.dy == -forward && distance <= 2)
            return true;
    }
    for (const Step step : Straights) {
        int distance = 0;
        const char c = firstOnLine(step, distance);
        if (c == queen || c == rook)
            return true;
        if (c == king && distance <= 2)
            return true;
    }
    return false;
}

bool TVeltanBrdKernel::InCheckby(int Color, Square oldSq, Square newSq) const
{
    if (!IsBoardSquare(oldSq) || !IsBoardSquare(newSq))
        return false;
    TPosition board = _position;
    const char moving = board[oldSq];
    board[oldSq] = ' ';
    board[newSq] = moving;
    return SquareClaimedOn(Color, board.data(), newSq);
}

bool TVeltanBrdKernel::AreaClaimedby(int side, Square sq1, Square sq2, bool includeEnd) const
{
    return !AreNeighbours(sq1, sq2) && AnySquareOfArea(sq1, sq2, includeEnd, [this, side](Square sq) {
        return SquareClaimedOn(side, _position.data(), sq);
    });
}
