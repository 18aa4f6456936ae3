// Checks how cells become a piece-set bitmap and back: where each cell lands, how alpha turns
// into mask grey, that flipping touches only the black rows, and that malformed input is refused
// instead of being read out of bounds.

#include "piecekind.h"
#include "piecesheet.h"

#include <QImage>

#include <gtest/gtest.h>

#include <ostream>

namespace {

using namespace pieceset;

constexpr int Cell = 5;

QImage cellFilled(const QRgb premultiplied, const int size = Cell)
{
    QImage cell(size, size, QImage::Format_ARGB32_Premultiplied);
    cell.fill(premultiplied);
    return cell;
}

SideCells uniformSide(const QRgb premultiplied)
{
    SideCells cells;
    cells.fill(cellFilled(premultiplied));
    return cells;
}

// ---- Alpha becomes mask grey, colour stays straight --------------------------------------

struct AlphaCase {
    QRgb premultiplied; // one pixel of a cell
    QRgb picture;       // expected picture pixel
    QRgb mask;          // expected mask pixel
};

void PrintTo(const AlphaCase& value, std::ostream* out)
{
    *out << std::hex << value.premultiplied;
}

class AlphaToMask : public testing::TestWithParam<AlphaCase> {};

TEST_P(AlphaToMask, PictureKeepsStraightColourAndMaskIsInverseAlpha)
{
    const QImage sheet = composeSheet(uniformSide(GetParam().premultiplied), uniformSide(0), false);
    ASSERT_FALSE(sheet.isNull());
    EXPECT_EQ(sheet.pixel(2, 2), GetParam().picture);
    EXPECT_EQ(sheet.pixel(2, Cell + 2), GetParam().mask);
}

INSTANTIATE_TEST_SUITE_P(
    Pixels, AlphaToMask,
    testing::Values(AlphaCase{0x00000000, PictureBackground, 0xFFFFFFFF}, // transparent: white mask
                    AlphaCase{0xFF102030, 0xFF102030, 0xFF000000},        // opaque: black mask
                    AlphaCase{0x80081018, 0xFF102030, 0xFF7F7F7F},        // half: straight colour, grey
                    AlphaCase{0x40404040, 0xFFFFFFFF, 0xFFBFBFBF}));

// ---- Cells land in their rows and columns; flipping turns black cells only ---------------

QImage markedCell(const int column, const int shade)
{
    QImage cell = cellFilled(0);
    cell.setPixel(0, 0, qRgba(shade, column * 30, 0, 255));
    return cell;
}

struct LayoutCase {
    bool flipBlack;
    int blackMarkX; // where the marked corner of a black cell ends up
    int blackMarkY;
};

void PrintTo(const LayoutCase& value, std::ostream* out)
{
    *out << (value.flipBlack ? "flipped" : "upright");
}

class SheetLayout : public testing::TestWithParam<LayoutCase> {};

TEST_P(SheetLayout, EveryCellLandsInItsColumnAndRow)
{
    SideCells white;
    SideCells black;
    for (int column = 0; column < SheetColumns; ++column) {
        white[column] = markedCell(column, 200);
        black[column] = markedCell(column, 100);
    }
    const QImage sheet = composeSheet(white, black, GetParam().flipBlack);
    ASSERT_EQ(sheet.size(), QSize(SheetColumns * Cell, SheetRows * Cell));
    for (int column = 0; column < SheetColumns; ++column) {
        const int x = column * Cell;
        EXPECT_EQ(sheet.pixel(x, 0), qRgb(200, column * 30, 0)) << column;
        EXPECT_EQ(sheet.pixel(x, Cell), qRgb(0, 0, 0)) << column;
        const int bx = x + GetParam().blackMarkX;
        const int by = GetParam().blackMarkY;
        EXPECT_EQ(sheet.pixel(bx, 2 * Cell + by), qRgb(100, column * 30, 0)) << column;
        EXPECT_EQ(sheet.pixel(bx, 3 * Cell + by), qRgb(0, 0, 0)) << column;
        // The unmarked corner opposite the mark is transparent.
        EXPECT_EQ(sheet.pixel(x + Cell - 1 - GetParam().blackMarkX, 3 * Cell + Cell - 1 - by), 0xFFFFFFFF);
    }
}

INSTANTIATE_TEST_SUITE_P(Flip, SheetLayout,
                         testing::Values(LayoutCase{false, 0, 0}, LayoutCase{true, Cell - 1, Cell - 1}));

// ---- Malformed cells are refused ---------------------------------------------------------

struct BadCellsCase {
    const char* what;
    QImage whiteKnight;
    QImage blackMarker;
};

void PrintTo(const BadCellsCase& value, std::ostream* out)
{
    *out << value.what;
}

class RefusedCells : public testing::TestWithParam<BadCellsCase> {};

TEST_P(RefusedCells, GiveANullSheet)
{
    SideCells white = uniformSide(0xFF000000);
    SideCells black = uniformSide(0xFF000000);
    white[columnOf(PieceKind::Knight)] = GetParam().whiteKnight;
    black[MarkerColumn] = GetParam().blackMarker;
    EXPECT_TRUE(composeSheet(white, black, false).isNull()) << GetParam().what;
    EXPECT_TRUE(composeSheet(white, black, true).isNull()) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Cells, RefusedCells,
    testing::Values(BadCellsCase{"null cell", QImage(), cellFilled(0)},
                    BadCellsCase{"smaller cell", cellFilled(0, Cell - 1), cellFilled(0)},
                    BadCellsCase{"larger black cell", cellFilled(0), cellFilled(0, Cell + 1)},
                    BadCellsCase{"oblong cell", QImage(Cell, Cell + 1, QImage::Format_ARGB32_Premultiplied),
                                 cellFilled(0)}));

// ---- Cutting cells out of a sheet stays inside it -----------------------------------------

struct CellCase {
    QSize sheet;
    int column;
    int row;
    bool found;
};

void PrintTo(const CellCase& value, std::ostream* out)
{
    *out << value.sheet.width() << "x" << value.sheet.height() << " cell " << value.column << ","
         << value.row;
}

class CellCutting : public testing::TestWithParam<CellCase> {};

TEST_P(CellCutting, GivesACellOnlyInsideAWellShapedSheet)
{
    QImage sheet(GetParam().sheet, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    const QImage cell = sheetCell(sheet, GetParam().column, GetParam().row);
    EXPECT_EQ(!cell.isNull(), GetParam().found);
    if (GetParam().found) {
        EXPECT_EQ(cell.size(), QSize(GetParam().sheet.height() / 4, GetParam().sheet.height() / 4));
    }
}

INSTANTIATE_TEST_SUITE_P(Bounds, CellCutting,
                         testing::Values(CellCase{{252, 144}, 0, 0, true}, CellCase{{252, 144}, 6, 3, true},
                                         CellCase{{7, 4}, 6, 3, true}, CellCase{{252, 144}, 7, 0, false},
                                         CellCase{{252, 144}, 0, 4, false},
                                         CellCase{{252, 144}, -1, 0, false},
                                         CellCase{{252, 144}, 0, -1, false},
                                         CellCase{{250, 144}, 0, 0, false}, CellCase{{6, 3}, 0, 0, false}));

TEST(CellCutting, NullSheetGivesNoCell)
{
    EXPECT_TRUE(sheetCell(QImage(), 0, 0).isNull());
}

// ---- Drawing through a mask ----------------------------------------------------------------

struct MaskCase {
    int grey;
    int alpha;
};

void PrintTo(const MaskCase& value, std::ostream* out)
{
    *out << "grey " << value.grey;
}

class MaskApplication : public testing::TestWithParam<MaskCase> {};

TEST_P(MaskApplication, AlphaIsInverseGrey)
{
    QImage picture(3, 3, QImage::Format_RGB32);
    picture.fill(qRgb(10, 20, 30));
    QImage mask(3, 3, QImage::Format_RGB32);
    mask.fill(qRgb(GetParam().grey, GetParam().grey, GetParam().grey));
    const QImage drawn = applyMask(picture, mask).convertToFormat(QImage::Format_ARGB32);
    ASSERT_FALSE(drawn.isNull());
    EXPECT_EQ(qAlpha(drawn.pixel(1, 1)), GetParam().alpha);
}

INSTANTIATE_TEST_SUITE_P(Greys, MaskApplication,
                         testing::Values(MaskCase{255, 0}, MaskCase{0, 255}, MaskCase{127, 128},
                                         MaskCase{254, 1}));

TEST(MaskApplication, MismatchedSizesGiveNothing)
{
    EXPECT_TRUE(applyMask(QImage(4, 4, QImage::Format_RGB32), QImage(4, 5, QImage::Format_RGB32)).isNull());
    EXPECT_TRUE(applyMask(QImage(), QImage()).isNull());
}

} // namespace
