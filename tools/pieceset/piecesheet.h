#pragma once

#include "piecekind.h"

#include <QImage>

#include <array>

namespace pieceset {

// The seven cells of one side in column order (six pieces, then the en-passant marker), each a
// square premultiplied-ARGB image of the same size.
using SideCells = std::array<QImage, SheetColumns>;

// Colour a picture cell shows where its piece is fully transparent; the mask hides it.
inline constexpr QRgb PictureBackground = 0xFFFFFFFF;

// Builds a piece-set bitmap (7 x 4 cells, opaque RGB): row 0 white pictures, row 1 white masks,
// row 2 black pictures, row 3 black masks. A mask pixel is grey level 255 - alpha, so white is
// transparent and black opaque, with grey on anti-aliased edges. With flipBlack each black cell
// (picture and mask) is turned by 180 degrees. Returns a null image unless all fourteen cells
// are square, non-null and of one size.
QImage composeSheet(const SideCells& white, const SideCells& black, bool flipBlack);

// The cell at (column, row) of a sheet whose cell size is height / 4; a null image when the
// sheet lacks the 7 : 4 shape or the cell lies outside it.
QImage sheetCell(const QImage& sheet, int column, int row);

// Joins a picture cell and its mask cell into a premultiplied-ARGB image with
// alpha = 255 - grey level of the mask, as the board draws it. A null image when the sizes differ.
QImage applyMask(const QImage& picture, const QImage& mask);

} // namespace pieceset
