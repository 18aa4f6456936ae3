// Checks the images in resources/ as the board will use them: their sizes, that every mask is
// anti-aliased grey with the piece kept inside its cell and centred, that the flipped sets
// differ from the upright ones only by the turned black cells, and that the icons are sound.

#include "piecekind.h"
#include "piecesheet.h"

#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <ostream>
#include <string>

namespace {

using namespace pieceset;

QImage committed(const QString& relativePath)
{
    return QImage(QStringLiteral(VELTAN_RESOURCES_DIR "/") + relativePath);
}

struct SheetCase {
    const char* file;
    int width;
    int height;
};

void PrintTo(const SheetCase& value, std::ostream* out)
{
    *out << value.file;
}

std::string sheetName(const testing::TestParamInfo<SheetCase>& info)
{
    std::string name = info.param.file;
    name.erase(name.find('.'));
    return name;
}

class CommittedSheet : public testing::TestWithParam<SheetCase> {
protected:
    QImage sheet() const { return committed(QStringLiteral("pieces/") + QLatin1String(GetParam().file)); }
};

// Bounding box of the mask's non-white pixels and the darkest grey in it.
struct MaskShape {
    QRect box;
    int darkest = 255;
    int opaquePixels = 0;
};

MaskShape shapeOf(const QImage& mask)
{
    MaskShape shape;
    for (int y = 0; y < mask.height(); ++y) {
        for (int x = 0; x < mask.width(); ++x) {
            const int grey = qGray(mask.pixel(x, y));
            if (grey < 255) {
                shape.box = shape.box.united(QRect(x, y, 1, 1));
            }
            shape.darkest = std::min(shape.darkest, grey);
            shape.opaquePixels += grey == 0 ? 1 : 0;
        }
    }
    return shape;
}

TEST_P(CommittedSheet, HasTheSizeTheBoardExpectsAndNoAlpha)
{
    const QImage image = sheet();
    ASSERT_FALSE(image.isNull()) << GetParam().file << " is missing or unreadable";
    EXPECT_EQ(image.width(), GetParam().width);
    EXPECT_EQ(image.height(), GetParam().height);
    // A picture with its own alpha would be drawn twice transparent: once by it, once by the mask.
    EXPECT_FALSE(image.hasAlphaChannel());
}

TEST_P(CommittedSheet, MasksAreGreyWithWhiteFrameAndAnOpaqueCore)
{
    const QImage image = sheet();
    ASSERT_FALSE(image.isNull());
    for (const int maskRow : {1, 3}) {
        for (int column = 0; column < SheetColumns; ++column) {
            const QImage mask = sheetCell(image, column, maskRow);
            ASSERT_FALSE(mask.isNull());
            for (int y = 0; y < mask.height(); ++y) {
                for (int x = 0; x < mask.width(); ++x) {
                    const QRgb pixel = mask.pixel(x, y);
                    ASSERT_TRUE(qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel))
                        << "colour in mask cell " << column << "," << maskRow << " at " << x << "," << y;
                }
            }
            const MaskShape shape = shapeOf(mask);
            const QRect inner = mask.rect().adjusted(1, 1, -1, -1);
            EXPECT_TRUE(inner.contains(shape.box))
                << "piece touches the edge of cell " << column << "," << maskRow;
            EXPECT_EQ(shape.darkest, 0) << "cell " << column << "," << maskRow << " is nowhere opaque";
            // A piece covers a good part of the square it is drawn for (at most 48
            // pixels, centred in larger cells); the marker ring much less, but still some.
            const int drawn = std::min(mask.width(), 48);
            const double share = static_cast<double>(shape.opaquePixels) / (drawn * drawn);
            EXPECT_GT(share, column == MarkerColumn ? 0.02 : 0.08) << "cell " << column << "," << maskRow;
        }
    }
}

TEST_P(CommittedSheet, PiecesAreCentredInTheirCells)
{
    const QImage image = sheet();
    ASSERT_FALSE(image.isNull());
    for (const int maskRow : {1, 3}) {
        for (int column = 0; column < SheetColumns; ++column) {
            const QImage mask = sheetCell(image, column, maskRow);
            const QRect box = shapeOf(mask).box;
            const double centre = mask.width() / 2.0;
            EXPECT_LE(std::abs((box.left() + box.right() + 1) / 2.0 - centre), 1.0)
                << "cell " << column << "," << maskRow;
            EXPECT_LE(std::abs((box.top() + box.bottom() + 1) / 2.0 - centre), 1.0)
                << "cell " << column << "," << maskRow;
        }
    }
}

// Mean brightness of a side's pictures where their masks are opaque, weighted by opacity.
double meanBrightness(const QImage& sheet, const int pictureRow)
{
    double weighted = 0.0;
    double weight = 0.0;
    for (int column = 0; column < SheetColumns; ++column) {
        const QImage picture = sheetCell(sheet, column, pictureRow);
        const QImage mask = sheetCell(sheet, column, pictureRow + 1);
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const double alpha = 255 - qGray(mask.pixel(x, y));
                weighted += alpha * qGray(picture.pixel(x, y));
                weight += alpha;
            }
        }
    }
    return weight > 0.0 ? weighted / weight : 0.0;
}

// Single pieces may be mostly outline (a thin-crowned white queen) or carry much light detail,
// so the sides are compared as a whole: swapped or inverted rows show up plainly.
TEST_P(CommittedSheet, WhiteSideIsLightAndBlackSideDark)
{
    const QImage image = sheet();
    ASSERT_FALSE(image.isNull());
    const double white = meanBrightness(image, 0);
    const double black = meanBrightness(image, 2);
    // The shipped sets measure about 120 and 63; swapped rows would turn that round.
    EXPECT_GT(white, 100.0);
    EXPECT_LT(black, 80.0);
}

INSTANTIATE_TEST_SUITE_P(
    Shipped, CommittedSheet,
    testing::Values(SheetCase{"SETKORLAN40.png", 280, 160}, SheetCase{"ImageCm36.png", 252, 144},
                    SheetCase{"ImageCm36FlipBlack.png", 252, 144}, SheetCase{"ImageFr40.png", 280, 160},
                    SheetCase{"ImageFr40FlipBlack.png", 280, 160}, SheetCase{"ImageCm72.png", 504, 288},
                    SheetCase{"ImageCm72FlipBlack.png", 504, 288}, SheetCase{"ImageFr80.png", 560, 320},
                    SheetCase{"ImageFr80FlipBlack.png", 560, 320}),
    sheetName);

struct FlipCase {
    const char* upright;
    const char* flipped;
};

void PrintTo(const FlipCase& value, std::ostream* out)
{
    *out << value.flipped;
}

class FlippedSheet : public testing::TestWithParam<FlipCase> {};

TEST_P(FlippedSheet, DiffersOnlyByBlackCellsTurnedUpsideDown)
{
    const QImage upright = committed(QStringLiteral("pieces/") + QLatin1String(GetParam().upright));
    const QImage flipped = committed(QStringLiteral("pieces/") + QLatin1String(GetParam().flipped));
    ASSERT_FALSE(upright.isNull());
    ASSERT_EQ(upright.size(), flipped.size());
    for (int row = 0; row < SheetRows; ++row) {
        for (int column = 0; column < SheetColumns; ++column) {
            const QImage cell = sheetCell(upright, column, row);
            const QImage expected = row < 2 ? cell : cell.mirrored(true, true);
            EXPECT_EQ(sheetCell(flipped, column, row), expected) << "cell " << column << "," << row;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Shipped, FlippedSheet,
                         testing::Values(FlipCase{"ImageCm36.png", "ImageCm36FlipBlack.png"},
                                         FlipCase{"ImageFr40.png", "ImageFr40FlipBlack.png"},
                                         FlipCase{"ImageCm72.png", "ImageCm72FlipBlack.png"},
                                         FlipCase{"ImageFr80.png", "ImageFr80FlipBlack.png"}));

struct IconCase {
    const char* file;
    int size;
};

void PrintTo(const IconCase& value, std::ostream* out)
{
    *out << value.file;
}

class CommittedIcon : public testing::TestWithParam<IconCase> {};

TEST_P(CommittedIcon, IsSquareWithTransparentCornersAndOpaqueMiddle)
{
    const QImage icon = committed(QStringLiteral("icons/") + QLatin1String(GetParam().file));
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.size(), QSize(GetParam().size, GetParam().size));
    ASSERT_TRUE(icon.hasAlphaChannel());
    const int last = GetParam().size - 1;
    for (const QPoint corner : {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)}) {
        EXPECT_EQ(qAlpha(icon.pixel(corner)), 0) << corner.x() << "," << corner.y();
    }
    EXPECT_EQ(qAlpha(icon.pixel(GetParam().size / 2, GetParam().size / 2)), 255);
}

INSTANTIATE_TEST_SUITE_P(Shipped, CommittedIcon,
                         testing::Values(IconCase{"veltan.png", 256}, IconCase{"veltan-48.png", 48}));

} // namespace
