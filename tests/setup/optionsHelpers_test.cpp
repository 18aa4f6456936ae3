// The small pieces the dialog is built from: recognising a bitmap by its
// content, the clock text, and reading and showing whole numbers.

#include <QComboBox>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <climits>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <vector>

#include "clockText.h"
#include "integerText.h"
#include "labelFitting.h"
#include "sameBitmap.h"

namespace {

// ---- SameBitmap ---------------------------------------------------------------

QImage Filled(int width, int height, QImage::Format format, QRgb colour)
{
    QImage image(width, height, format);
    image.fill(colour);
    return image;
}

// The same pixels as `source` in a buffer whose rows carry `padding` extra
// bytes of `filler` after the pixels.
struct PaddedCopy {
    std::vector<uchar> bytes;
    QImage image;
};

PaddedCopy WithPadding(const QImage& source, int padding, uchar filler)
{
    PaddedCopy copy;
    const int rowBytes = source.width() * source.depth() / 8 + padding;
    copy.bytes.assign(static_cast<std::size_t>(rowBytes * source.height()), filler);
    for (int y = 0; y < source.height(); ++y)
        std::copy_n(source.constScanLine(y), source.width() * source.depth() / 8,
                    copy.bytes.begin() + static_cast<std::ptrdiff_t>(y) * rowBytes);
    copy.image = QImage(copy.bytes.data(), source.width(), source.height(), rowBytes, source.format());
    return copy;
}

TEST(SameBitmapTest, MissingPicturesAreNeverTheSame)
{
    const QImage picture = Filled(7, 4, QImage::Format_ARGB32, qRgb(1, 2, 3));
    EXPECT_FALSE(SameBitmap(QImage(), QImage()));
    EXPECT_FALSE(SameBitmap(picture, QImage()));
    EXPECT_FALSE(SameBitmap(QImage(), picture));
}

struct BitmapCase {
    const char* what;
    QImage a;
    QImage b;
    bool same;
};

TEST(SameBitmapTest, ComparesSizeFormatAndPixels)
{
    const QImage base = Filled(14, 8, QImage::Format_ARGB32, qRgba(10, 20, 30, 255));
    QImage onePixel = base.copy();
    onePixel.setPixel(13, 7, qRgba(10, 20, 31, 255));
    QImage indexed(5, 3, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    indexed.fill(1);
    QImage otherTable = indexed.copy();
    otherTable.setColorTable({qRgb(0, 0, 0), qRgb(255, 0, 0)});

    const std::vector<BitmapCase> cases = {
        {"the very same image", base, base, true},
        {"a deep copy", base, base.copy(), true},
        {"one pixel differs in the last row", base, onePixel, false},
        {"wider", base, Filled(15, 8, QImage::Format_ARGB32, qRgba(10, 20, 30, 255)), false},
        {"taller", base, Filled(14, 9, QImage::Format_ARGB32, qRgba(10, 20, 30, 255)), false},
        {"same colours, other format", base, base.convertToFormat(QImage::Format_RGB32), false},
        {"same indexes, other colour table", indexed, otherTable, false},
        {"indexed deep copy", indexed, indexed.copy(), true},
    };
    for (const BitmapCase& c : cases)
        EXPECT_EQ(SameBitmap(c.a, c.b), c.same) << c.what;
}

TEST(SameBitmapTest, RowPaddingIsNotPartOfThePicture)
{
    // 3 pixels of 3 bytes leave one byte of padding in a 4-byte-aligned row.
    QImage rgb(3, 2, QImage::Format_RGB888);
    rgb.fill(qRgb(200, 100, 50));
    const PaddedCopy zeros = WithPadding(rgb, 1, 0x00);
    const PaddedCopy ones = WithPadding(rgb, 1, 0xFF);
    EXPECT_TRUE(SameBitmap(zeros.image, ones.image));
    EXPECT_TRUE(SameBitmap(rgb, ones.image));

    // 3 one-bit pixels share their byte with 5 padding bits.
    QImage mono(3, 2, QImage::Format_Mono);
    mono.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    mono.fill(1);
    QImage monoDirty = mono.copy();
    for (int y = 0; y < monoDirty.height(); ++y)
        monoDirty.scanLine(y)[0] |= 0x1F; // only the padding bits
    EXPECT_TRUE(SameBitmap(mono, monoDirty));
    monoDirty.setPixel(2, 1, 0);
    EXPECT_FALSE(SameBitmap(mono, monoDirty));
}

// ---- ClockText ------------------------------------------------------------------

constexpr double Second = 1.0 / 86400.0;

struct ClockCase {
    double days;
    const char* text;
};

TEST(ClockTextTest, ShowsHoursMinutesAndTruncatedSeconds)
{
    const std::vector<ClockCase> cases = {
        {0.0, "0:00:00"},
        {1.0 / 24.0, "1:00:00"},
        {1.0 / 24.0 - Second, "0:59:59"},
        {1.0 / 24.0 - Second / 10.0, "0:59:59"},   // 59:59.9 is still 59:59
        {1.0 / 24.0 - Second / 4000.0, "1:00:00"}, // rounded to whole milliseconds first
        {10 * 3600 * Second + 5 * 60 * Second + 3 * Second, "10:05:03"},
        {25.0 / 24.0, "1:00:00"},    // the time of day only
        {-Second / 10.0, "0:00:00"}, // just past a flag fall
        {-(3 * Second), "0:00:03"},
    };
    for (const ClockCase& c : cases)
        EXPECT_EQ(ClockText(c.days).toStdString(), c.text) << c.days;
}

TEST(ClockTextTest, ValuesThatAreNoTimeReadZero)
{
    for (const double days :
         {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
          -std::numeric_limits<double>::infinity()})
        EXPECT_EQ(ClockText(days).toStdString(), "0:00:00") << days;
    // Huge but finite: some time of day, and no undefined conversion on the way.
    const QString huge = ClockText(1e300);
    EXPECT_GE(huge.size(), 7);
    EXPECT_LE(huge.size(), 8);
}

// ---- Whole numbers ----------------------------------------------------------------

struct TextCase {
    const char* text;
    std::optional<int> value;
};

TEST(IntegerFromTextTest, ReadsDecimalIntegersOnly)
{
    const std::vector<TextCase> cases = {
        {"60", 60},
        {"0", 0},
        {"-3", -3},
        {"+7", 7},
        {" 17 ", 17},
        {"2147483647", INT_MAX},
        {"-2147483648", INT_MIN},
        {"", std::nullopt},
        {" ", std::nullopt},
        {"abc", std::nullopt},
        {"12.5", std::nullopt},
        {"1e3", std::nullopt},
        {"0x10", std::nullopt},
        {"2147483648", std::nullopt},
        {"99999999999", std::nullopt},
        {"--5", std::nullopt},
        {"5 5", std::nullopt},
        {"5min", std::nullopt},
    };
    for (const TextCase& c : cases)
        EXPECT_EQ(IntegerFromText(QString::fromLatin1(c.text)), c.value) << '"' << c.text << '"';
}

struct RoundCase {
    double value;
    std::optional<int> whole;
};

TEST(RoundedUpWholeTest, RoundsUpButNotTheNoiseOfStoredFractions)
{
    const std::vector<RoundCase> cases = {
        {29.0 / 1440.0 * 1440.0, 29}, // 29.000000000000004
        {17.0 / 1440.0 * 1440.0, 17},
        {7.0 / 86400.0 * 86400.0, 7},
        {5.0 / 86400.0 * 86400.0, 5},
        {59.5, 60},
        {59.01, 60},
        {0.0, 0},
        {-3.0, -3},
        {-2.5, -2},
        {std::numeric_limits<double>::quiet_NaN(), std::nullopt},
        {std::numeric_limits<double>::infinity(), std::nullopt},
        {3e9, std::nullopt},
        {-3e9, std::nullopt},
    };
    for (const RoundCase& c : cases)
        EXPECT_EQ(RoundedUpWhole(c.value), c.whole) << c.value;
    for (int minutes = 0; minutes <= 10000; ++minutes)
        ASSERT_EQ(RoundedUpWhole(minutes / 1440.0 * 1440.0), minutes);
    for (int seconds = -100; seconds <= 100000; ++seconds)
        ASSERT_EQ(RoundedUpWhole(seconds / 86400.0 * 86400.0), seconds);
}

// ---- Labels before their boxes ----------------------------------------------------

struct LabelCase {
    const char* what;
    int parentX;   ///< where the label's parent stands in the window (a frame when not 0)
    int labelX;    ///< where the layout puts the label
    int textWidth; ///< width of the label's text, made with a fixed-width minimum
    int expectedX;
};

TEST(KeepLabelBeforeBoxTest, MovesALabelLeftOnlyAsFarAsItsTextNeeds)
{
    constexpr int BoxX = 100;
    const std::vector<LabelCase> cases = {
        {"text that fits stays", 0, 40, 50, 40},
        {"text ending exactly at the gap stays", 0, 46, 50, 46},
        {"text one pixel too wide moves one pixel", 0, 47, 50, 46},
        {"long text ends before the box", 0, 40, 80, 16},
        {"no further than the window's edge", 0, 10, 120, 0},
        {"in a frame cut by the window, no further than what shows", -6, 12, 100, 7},
    };
    for (const LabelCase& c : cases) {
        QWidget window;
        window.resize(300, 100);
        QFrame frame(&window);
        frame.setFrameShape(QFrame::Panel);
        frame.setLineWidth(1);
        frame.setGeometry(c.parentX, 0, 300, 100);
        QWidget* const parent = c.parentX == 0 ? &window : &frame;
        QLabel label(QStringLiteral("x"), parent);
        label.setMinimumWidth(c.textWidth);
        label.move(c.labelX, 10);
        QComboBox box(parent);
        box.setGeometry(BoxX, 8, 57, 21);

        KeepLabelBeforeBox(label, box);
        EXPECT_EQ(label.width(), c.textWidth) << c.what;
        EXPECT_EQ(label.pos(), QPoint(c.expectedX, 10)) << c.what;
    }
}

} // namespace
