#pragma once
// The engine's board geometry and cell contents. The 16 x 16 board sits in a
// frame of guard cells wide enough that every step the pieces know (a
// knight's (1, 4) leap, a pawn's four-square advance) taken from a board cell
// lands on a board cell or on a guard, never outside the array; so walks
// need no coordinate tests, only a look at the cell.

#include <array>
#include <cstdint>

#include "square.h"

namespace engine {

/// Cells per row: the 16 files and 4 guard cells between one row and the next.
inline constexpr int Stride = 20;
/// Cell of A16 (row 0, file 0); the four guard rows and four guard cells come before it.
inline constexpr int FirstCell = 4 * Stride + 4;
/// Size of the cell arrays; every cell reachable by a step from a board cell lies below it.
inline constexpr int CellCount = 512;

/// A cell's content: 0 empty, 1..7 a White piece, 9..15 a Black one, Guard off the board.
using Code = std::uint8_t;
inline constexpr Code Empty = 0;
inline constexpr Code Pawn = 1;
inline constexpr Code Knight = 2;
inline constexpr Code Bishop = 3;
inline constexpr Code Rook = 4;
inline constexpr Code Queen = 5;
inline constexpr Code King = 6;
/// The en passant marker a pawn leaves on the squares it passed.
inline constexpr Code Marker = 7;
/// Added to a White code to give the Black one.
inline constexpr Code BlackBit = 8;
inline constexpr Code Guard = 16;

/// Side indexes of the per-side arrays.
inline constexpr int WhiteSide = 0;
inline constexpr int BlackSide = 1;

/// The kind (Pawn..Marker) of a code; 0 for empty and guard cells.
constexpr int KindOf(Code code)
{
    return code & 7;
}

/// The code of a kind for a side.
constexpr Code CodeOf(int kind, int side)
{
    return static_cast<Code>(kind + (side == BlackSide ? BlackBit : 0));
}

/// True for a White or Black piece or marker.
constexpr bool IsOccupant(Code code)
{
    return code != Empty && code < Guard;
}

/// True when the code is a piece or marker of the side.
constexpr bool IsSide(Code code, int side)
{
    return static_cast<unsigned>(code - CodeOf(Pawn, side)) < 7u;
}

/// Side of a piece or marker code (only for occupants).
constexpr int SideOf(Code code)
{
    return code >= BlackBit ? BlackSide : WhiteSide;
}

/// A pawn's own moves see through markers of both sides.
constexpr bool IsEmptyForPawn(Code code)
{
    return code == Empty || KindOf(code) == Marker;
}

/// One rank forward for a side, in cells (White towards rank 16).
constexpr int Forward(int side)
{
    return side == WhiteSide ? -Stride : Stride;
}

/// The cell of a board square (1..256).
constexpr int CellOf(int square)
{
    return FirstCell + ((square - 1) / BoardSize) * Stride + (square - 1) % BoardSize;
}

namespace detail {
constexpr std::array<std::uint16_t, CellCount> SquareOfCellTable()
{
    std::array<std::uint16_t, CellCount> table{};
    for (int sq = 1; sq <= SquareCount; ++sq)
        table[static_cast<std::size_t>(CellOf(sq))] = static_cast<std::uint16_t>(sq);
    return table;
}
} // namespace detail

/// The board square (1..256) of each cell, 0 for guard cells.
inline constexpr std::array<std::uint16_t, CellCount> SquareOfCell = detail::SquareOfCellTable();

/// The square of a board cell.
constexpr Square SquareAtCell(int cell)
{
    return static_cast<Square>(SquareOfCell[static_cast<std::size_t>(cell)]);
}

/// Rank 1..16 of a board cell.
constexpr int RankOfCell(int cell)
{
    return RankOf(SquareOfCell[static_cast<std::size_t>(cell)]);
}

/// File 1..16 of a board cell.
constexpr int FileOfCell(int cell)
{
    return FileOf(SquareOfCell[static_cast<std::size_t>(cell)]);
}

/// The board letter of a code: " PNBRQKE" for White, small letters for Black.
constexpr char LetterOf(Code code)
{
    constexpr const char* white = " PNBRQKE";
    constexpr const char* black = " pnbrqke";
    if (!IsOccupant(code))
        return ' ';
    return SideOf(code) == WhiteSide ? white[KindOf(code)] : black[KindOf(code)];
}

/// The code of a board letter; Empty for a blank and for anything that is no piece letter.
constexpr Code CodeOfLetter(char letter)
{
    switch (letter) {
    case 'P':
        return CodeOf(Pawn, WhiteSide);
    case 'N':
        return CodeOf(Knight, WhiteSide);
    case 'B':
        return CodeOf(Bishop, WhiteSide);
    case 'R':
        return CodeOf(Rook, WhiteSide);
    case 'Q':
        return CodeOf(Queen, WhiteSide);
    case 'K':
        return CodeOf(King, WhiteSide);
    case 'E':
        return CodeOf(Marker, WhiteSide);
    case 'p':
        return CodeOf(Pawn, BlackSide);
    case 'n':
        return CodeOf(Knight, BlackSide);
    case 'b':
        return CodeOf(Bishop, BlackSide);
    case 'r':
        return CodeOf(Rook, BlackSide);
    case 'q':
        return CodeOf(Queen, BlackSide);
    case 'k':
        return CodeOf(King, BlackSide);
    case 'e':
        return CodeOf(Marker, BlackSide);
    default:
        return Empty;
    }
}

static_assert(SquareOfCell[CellOf(A16)] == A16 && SquareOfCell[CellOf(P01)] == P01);
static_assert(CellOf(P01) + 4 * Stride + 4 < CellCount && CellOf(A16) - 4 * Stride - 4 >= 0);
static_assert(SquareOfCell[CellOf(P16) + 4] == 0 && SquareOfCell[CellOf(A16) - 4] == 0);

} // namespace engine
