// The file letters and rank numbers in the border: where they go, which way
// round, and when there is no room for them.

#include <QPainter>
#include <array>
#include <gtest/gtest.h>

#include "boardTestSupport.h"

namespace {

constexpr TColor Silver = 0xC0C0C0;

class Coordinates : public ::testing::Test {
protected:
    void Show(CoordSet sides, bool whiteOnTop, int border = 24)
    {
        board.SetLoading(true);
        board.SetSizeOfBorder(border);
        board.resize(16 * 48 + 2 * border, 16 * 48 + 2 * border);
        board.SetBorderColor(Silver);
        board.SetDisplayCoords(sides);
        board.SetWhiteOnTop(whiteOnTop);
        board.SetLoading(false);
        board.Paint();
    }

    // Pixels of the border that are neither its colour nor an outline.
    int TextPixels(const QRect& area) const
    {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                count += CanvasColor(board, x, y) != Silver ? 1 : 0;
        return count;
    }

    QImage Region(const QRect& area) const { return board.Canvas().copy(area); }

    TVeltanBrd board;
};

// The board's promise: a 7-point bold "Courier New" in black, the top-left
// corner of the text at the given place.
QImage ReferenceText(QSize size, QPoint topLeft, const QString& text)
{
    QImage image(size, QImage::Format_RGB32);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    image.fill(ColorFromPlatform(Silver));
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSize(7);
    font.setBold(true);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(topLeft.x(), topLeft.y() + QFontMetrics(font, &image).ascent(), text);
    return image;
}

const QRect WestOfTopRow(1, 24, 22, 48);
const QRect WestOfBottomRow(1, 24 + 15 * 48, 22, 48);
const QRect NorthOfLeftColumn(24, 1, 48, 22);
const QRect NorthOfRightColumn(24 + 15 * 48, 1, 48, 22);

TEST_F(Coordinates, TopRowNumberSitsAtOneThirtyNine)
{
    Show({West}, false);
    const QImage expected = ReferenceText(board.size(), {1, 39}, QStringLiteral("16"));
    EXPECT_EQ(Region(WestOfTopRow), expected.copy(WestOfTopRow));
    EXPECT_GT(TextPixels(WestOfTopRow), 0);
}

TEST_F(Coordinates, TurnedBoardNumbersTheTopRowOne)
{
    Show({West}, true);
    const QImage turnedTop = Region(WestOfTopRow);
    const QImage expected = ReferenceText(board.size(), {1, 39}, QStringLiteral(" 1"));
    EXPECT_EQ(turnedTop, expected.copy(WestOfTopRow));
    Show({West}, false);
    EXPECT_EQ(turnedTop, Region(WestOfBottomRow))
        << "the turned board's top row reads like the upright board's bottom row";
}

TEST_F(Coordinates, TurnedBoardLettersRunFromPToA)
{
    Show({North}, true);
    const QImage turnedLeft = Region(NorthOfLeftColumn);
    const QImage turnedRight = Region(NorthOfRightColumn);
    Show({North}, false);
    EXPECT_EQ(turnedLeft, Region(NorthOfRightColumn)) << "P at the left end";
    EXPECT_EQ(turnedRight, Region(NorthOfLeftColumn)) << "A at the right end";
    EXPECT_NE(turnedLeft, turnedRight);
}

struct SideCase {
    DisplayCoords side;
    int band; // which band holds the text: 0 west, 1 north, 2 east, 3 south
};

void PrintTo(const SideCase& c, std::ostream* os)
{
    *os << "band " << c.band;
}

class CoordinateSide : public Coordinates, public ::testing::WithParamInterface<SideCase> {};

TEST_P(CoordinateSide, TextAppearsOnlyOnTheChosenSide)
{
    Show({GetParam().side}, false);
    const std::array<QRect, 4> bands = {QRect(1, 24, 22, 768), QRect(24, 1, 768, 22), QRect(793, 24, 22, 768),
                                        QRect(24, 793, 768, 22)};
    for (int band = 0; band < 4; ++band) {
        const int pixels = TextPixels(bands[static_cast<std::size_t>(band)]);
        if (band == GetParam().band) {
            EXPECT_GT(pixels, 16 * 4) << "band " << band;
        } else {
            EXPECT_EQ(pixels, 0) << "band " << band;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Sides, CoordinateSide,
                         ::testing::Values(SideCase{West, 0}, SideCase{North, 1}, SideCase{East, 2},
                                           SideCase{South, 3}));

struct NoTextCase {
    const char* name;
    CoordSet sides;
    int border;
};

void PrintTo(const NoTextCase& c, std::ostream* os)
{
    *os << c.name;
}

class NoCoordinates : public Coordinates, public ::testing::WithParamInterface<NoTextCase> {};

TEST_P(NoCoordinates, BorderShowsNoText)
{
    Show(GetParam().sides, false, GetParam().border);
    const int b = GetParam().border;
    const int side = board.width();
    // Everything between the two outlines is plain border.
    EXPECT_EQ(TextPixels(QRect(1, 1, side - 2, b - 2)), 0);
    EXPECT_EQ(TextPixels(QRect(1, side - b + 1, side - 2, b - 2)), 0);
    EXPECT_EQ(TextPixels(QRect(1, 1, b - 2, side - 2)), 0);
    EXPECT_EQ(TextPixels(QRect(side - b + 1, 1, b - 2, side - 2)), 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, NoCoordinates,
                         ::testing::Values(NoTextCase{"NoSides", CoordSet{}, 24},
                                           NoTextCase{"BorderNarrowerThanTheFont", CoordSet::All(), 6}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
