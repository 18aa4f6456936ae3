#pragma once

#include <array>

namespace pieceset {

// The six piece kinds in the column order of a piece-set bitmap (column 6 holds the
// en-passant marker, which is drawn, not taken from a font).
enum class PieceKind { Pawn, Knight, Bishop, Rook, Queen, King };

// Every piece kind, in column order.
inline constexpr std::array<PieceKind, 6> AllPieceKinds{PieceKind::Pawn, PieceKind::Knight, PieceKind::Bishop,
                                                        PieceKind::Rook, PieceKind::Queen,  PieceKind::King};

// The two sides; White's cells are rows 0 and 1 of a sheet, Black's rows 2 and 3.
enum class Side { White, Black };

// Column of a piece kind in a piece-set bitmap.
constexpr int columnOf(const PieceKind kind)
{
    return static_cast<int>(kind);
}

// Column of the en-passant marker in a piece-set bitmap.
inline constexpr int MarkerColumn = 6;

// Number of columns and rows of a piece-set bitmap.
inline constexpr int SheetColumns = 7;
inline constexpr int SheetRows = 4;

} // namespace pieceset
