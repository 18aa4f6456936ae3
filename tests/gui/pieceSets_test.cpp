// Piece sets: which sheets are accepted, how they are cut, where pieces land.

#include <QPainter>
#include <array>
#include <gtest/gtest.h>

#include "boardLimits.h"
#include "boardTestSupport.h"
#include "pieceSet.h"
#include "sharperPieceSets.h"

namespace {

struct SheetCase {
    const char* name;
    QSize size;
    int cell;
};

void PrintTo(const SheetCase& c, std::ostream* os)
{
    *os << c.name;
}

class ResourceSheets : public ::testing::TestWithParam<SheetCase> {};

TEST_P(ResourceSheets, AreCompiledInWithPieceSetShape)
{
    const QImage sheet = ResourcePieceSet(QString::fromLatin1(GetParam().name));
    ASSERT_FALSE(sheet.isNull()) << GetParam().name;
    EXPECT_EQ(sheet.size(), GetParam().size);
    EXPECT_TRUE(TPieceSet::HasPieceSetShape(sheet));
    EXPECT_EQ(TPieceSet(sheet).PieceSize(), GetParam().cell);
}

INSTANTIATE_TEST_SUITE_P(
    All, ResourceSheets,
    ::testing::Values(SheetCase{"SETKORLAN40", {280, 160}, 40}, SheetCase{"ImageCm36", {252, 144}, 36},
                      SheetCase{"ImageCm36FlipBlack", {252, 144}, 36}, SheetCase{"ImageFr40", {280, 160}, 40},
                      SheetCase{"ImageFr40FlipBlack", {280, 160}, 40}, SheetCase{"ImageCm72", {504, 288}, 72},
                      SheetCase{"ImageCm72FlipBlack", {504, 288}, 72}, SheetCase{"ImageFr80", {560, 320}, 80},
                      SheetCase{"ImageFr80FlipBlack", {560, 320}, 80}),
    [](const auto& info) { return std::string(info.param.name); });

struct AcceptCase {
    const char* name;
    QSize size; // empty: a null image
    bool accepted;
    int pieceSize;
};

void PrintTo(const AcceptCase& c, std::ostream* os)
{
    *os << c.name;
}

class CustomPieceSetAcceptance : public ::testing::TestWithParam<AcceptCase> {};

TEST_P(CustomPieceSetAcceptance, TakesOnlyPieceSetShapes)
{
    TVeltanBrd board;
    board.SetCustomPieceSet(SolidPieceSet(72));
    ASSERT_EQ(board.PieceSize(), 72);
    QImage sheet;
    if (!GetParam().size.isEmpty()) {
        sheet = QImage(GetParam().size, QImage::Format_RGB32);
        sheet.fill(Qt::gray);
    }
    board.SetCustomPieceSet(sheet);
    EXPECT_EQ(board.PieceSize(), GetParam().pieceSize);
    const QSize kept = GetParam().accepted ? sheet.size() : QSize(504, 288);
    EXPECT_EQ(board.CustomPieceSet().size(), kept);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, CustomPieceSetAcceptance,
    ::testing::Values(AcceptCase{"Cm36", {252, 144}, true, 36}, AcceptCase{"OffByTwo", {250, 144}, false, 72},
                      AcceptCase{"OnePixelCells", {7, 4}, true, 1},
                      AcceptCase{"Square", {160, 160}, false, 72},
                      AcceptCase{"FourBySeven", {160, 280}, false, 72},
                      AcceptCase{"LargestCells", {7 * MaxPieceCell, 4 * MaxPieceCell}, true, MaxPieceCell},
                      AcceptCase{"AbsentBringsBackTheBuiltInSet", {}, true, 40}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CustomPieceSet, IsACopyTheHostMayChangeAfterwards)
{
    TVeltanBrd board;
    QImage sheet = SolidPieceSet(36);
    board.SetCustomPieceSet(sheet);
    sheet.fill(Qt::red);
    QImage target(36, 36, QImage::Format_RGB32);
    target.fill(Qt::white);
    QPainter painter(&target);
    board.DrawVeltanbrdPiece(painter, 0, 0, 'Q');
    EXPECT_EQ(target.pixel(18, 18), PieceColour(4));
}

struct LetterCase {
    char letter;
    int image; // -1: nothing drawn
};

void PrintTo(const LetterCase& c, std::ostream* os)
{
    *os << "letter " << testing::PrintToString(c.letter);
}

class DrawPieceLetter : public ::testing::TestWithParam<LetterCase> {};

TEST_P(DrawPieceLetter, SelectsColourByCaseAndPieceByLetter)
{
    TVeltanBrd board;
    board.SetCustomPieceSet(SolidPieceSet(10));
    QImage target(30, 30, QImage::Format_RGB32);
    target.fill(Qt::white);
    QPainter painter(&target);
    board.DrawVeltanbrdPiece(painter, 10, 10, GetParam().letter);
    painter.end();
    const QRgb expected = GetParam().image < 0 ? qRgb(255, 255, 255) : PieceColour(GetParam().image);
    EXPECT_EQ(target.pixel(10, 10), expected);
    EXPECT_EQ(target.pixel(19, 19), expected);
    EXPECT_EQ(target.pixel(9, 9), qRgb(255, 255, 255)) << "drawn at its own size from (x, y)";
    EXPECT_EQ(target.pixel(20, 20), qRgb(255, 255, 255));
    EXPECT_EQ(TPieceSet::PieceImageIndex(GetParam().letter), GetParam().image);
}

INSTANTIATE_TEST_SUITE_P(Letters, DrawPieceLetter,
                         ::testing::Values(LetterCase{'P', 0}, LetterCase{'N', 1}, LetterCase{'B', 2},
                                           LetterCase{'R', 3}, LetterCase{'Q', 4}, LetterCase{'K', 5},
                                           LetterCase{'E', 6}, LetterCase{'p', 7}, LetterCase{'q', 11},
                                           LetterCase{'k', 12}, LetterCase{'e', 13}, LetterCase{'x', -1},
                                           LetterCase{'1', -1}, LetterCase{' ', -1}, LetterCase{'\xE9', -1},
                                           LetterCase{'\0', -1}));

TEST(PieceMask, DarknessOfTheMaskIsOpacity)
{
    // One 4-pixel cell per piece; the white pawn's mask holds four shades.
    QImage sheet(28, 16, QImage::Format_RGB32);
    sheet.fill(qRgb(0, 0, 200)); // pictures blue, masks black below
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 28; ++x)
            if (y / 4 == 1 || y / 4 == 3)
                sheet.setPixel(x, y, qRgb(0, 0, 0));
    sheet.setPixel(0, 4, qRgb(255, 255, 255)); // transparent
    sheet.setPixel(1, 4, qRgb(128, 128, 128)); // half
    sheet.setPixel(2, 4, qRgb(255, 0, 0));     // a colour: opaque
    sheet.setPixel(3, 4, qRgb(0, 0, 0));       // opaque
    const TPieceSet set(sheet);
    const QImage* pawn = set.Image('P');
    ASSERT_NE(pawn, nullptr);
    EXPECT_EQ(qAlpha(pawn->pixel(0, 0)), 0);
    EXPECT_NEAR(qAlpha(pawn->pixel(1, 0)), 127, 1);
    EXPECT_EQ(qAlpha(pawn->pixel(2, 0)), 255);
    EXPECT_EQ(qAlpha(pawn->pixel(3, 0)), 255);
    EXPECT_EQ(pawn->pixel(3, 0), qRgb(0, 0, 200)) << "the picture shows where the mask is black";
}

TEST(PieceMask, RealSetsAreTransparentAroundThePieces)
{
    for (const char* name : {"SETKORLAN40", "ImageFr80", "ImageCm36FlipBlack"}) {
        const TPieceSet set(ResourcePieceSet(QString::fromLatin1(name)));
        for (const char letter : std::string("PNBRQKEpnbrqke")) {
            const QImage* image = set.Image(letter);
            ASSERT_NE(image, nullptr) << name << " " << letter;
            EXPECT_EQ(qAlpha(image->pixel(0, 0)), 0) << name << " " << letter << " corner";
            int opaque = 0;
            for (int y = 0; y < image->height(); ++y)
                for (int x = 0; x < image->width(); ++x)
                    opaque += qAlpha(image->pixel(x, y)) >= 128 ? 1 : 0;
            EXPECT_GT(opaque, image->width() / 2) << name << " " << letter << " has a body";
        }
    }
}

// A sheet whose pieces are all one opaque colour, to tell sources apart.
QImage UniformSheet(int cell, QRgb colour)
{
    QImage sheet(7 * cell, 4 * cell, QImage::Format_RGB32);
    sheet.fill(colour);
    for (const int maskRow : {1, 3})
        for (int y = maskRow * cell; y < (maskRow + 1) * cell; ++y)
            for (int x = 0; x < sheet.width(); ++x)
                sheet.setPixel(x, y, qRgb(0, 0, 0));
    return sheet;
}

struct SourceCase {
    const char* name;
    bool sharperSheets; // sheets at 2 and 3 times the 40-pixel cell
    int wanted;
    int size;   // what is drawn
    int source; // the scale it is drawn from
};

void PrintTo(const SourceCase& c, std::ostream* os)
{
    *os << c.name;
}

class PieceSources : public ::testing::TestWithParam<SourceCase> {};

TEST_P(PieceSources, DrawFromTheSmallestSheetThatNeedsNoEnlarging)
{
    const std::array<QRgb, 4> colours = {0, qRgb(200, 0, 0), qRgb(0, 200, 0), qRgb(0, 0, 200)};
    TPieceSet set(UniformSheet(40, colours[1]));
    if (GetParam().sharperSheets)
        for (const int scale : {3, 2})
            set.AddSharperSheet(scale, UniformSheet(40 * scale, colours[static_cast<std::size_t>(scale)]));
    EXPECT_EQ(set.LargestCell(), GetParam().sharperSheets ? 120 : 40);
    const QImage queen = set.ImageAt('q', GetParam().wanted);
    ASSERT_EQ(queen.size(), QSize(GetParam().size, GetParam().size));
    EXPECT_EQ(queen.pixel(queen.width() / 2, queen.height() / 2),
              colours[static_cast<std::size_t>(GetParam().source)]);
    set.PrepareSize(GetParam().wanted);
    EXPECT_EQ(set.PreparedSize(), GetParam().size);
}

INSTANTIATE_TEST_SUITE_P(Sizes, PieceSources,
                         ::testing::Values(SourceCase{"OwnSize", true, 40, 40, 1},
                                           SourceCase{"SmallerThanTheCell", true, 30, 30, 1},
                                           SourceCase{"BetweenOneAndTwoTimes", true, 50, 50, 2},
                                           SourceCase{"TwiceTheCell", true, 80, 80, 2},
                                           SourceCase{"BetweenTwoAndThreeTimes", true, 100, 100, 3},
                                           SourceCase{"BeyondThreeTimesStopsThere", true, 150, 120, 3},
                                           SourceCase{"HostSetIsEnlargedSmoothly", false, 60, 60, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SharperSheets, BelongToTheCommittedSetsOnlyAndTurnWithFlipBlack)
{
    const auto upright = CommittedSourceOf(ResourcePieceSet(QStringLiteral("ImageFr40")));
    ASSERT_TRUE(upright.has_value());
    EXPECT_EQ(SharperSheet(*upright, 2).size(), QSize(560, 320));
    EXPECT_EQ(SharperSheet(*upright, 3).size(), QSize(840, 480));
    const auto flipped = CommittedSourceOf(ResourcePieceSet(QStringLiteral("ImageFr40FlipBlack")));
    ASSERT_TRUE(flipped.has_value());
    EXPECT_EQ(flipped->upright, QStringLiteral("ImageFr40"));
    EXPECT_EQ(SharperSheet(*flipped, 2), WithBlackTurned(SharperSheet(*upright, 2)));
    // Turning is what makes the committed FlipBlack sheet of the upright one.
    EXPECT_EQ(WithBlackTurned(ResourcePieceSet(QStringLiteral("ImageFr40"))),
              ResourcePieceSet(QStringLiteral("ImageFr40FlipBlack")).convertToFormat(QImage::Format_ARGB32));
    EXPECT_FALSE(CommittedSourceOf(SolidPieceSet(40))) << "a host's own set has no sharper drawing";
}

struct PlacementCase {
    const char* name;
    int square; // square edge the board is fitted to
    int cell;   // piece size
    bool whiteOnTop;
    QPoint topLeft; // where the piece on A16 starts
};

void PrintTo(const PlacementCase& c, std::ostream* os)
{
    *os << c.name;
}

class PiecePlacement : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(PiecePlacement, CentresThePieceOnItsSquare)
{
    const PlacementCase& c = GetParam();
    TTestBoard board;
    board.SetCustomPieceSet(SolidPieceSet(c.cell));
    board.SetBorderColor(0xFFFFFF);
    board.SetSquareColorDark(0xFFFFFF);
    board.SetSquareColorLight(0xFFFFFF);
    board.resize(16 * c.square + 48, 16 * c.square + 48);
    board.SetWhiteOnTop(c.whiteOnTop);
    SetUpGame(board, {{A16, 'r'}});
    ASSERT_EQ(board.SizeOfSquare(), c.square);
    const TColor rook = PlatformRgb(qRed(PieceColour(10)), qGreen(PieceColour(10)), qBlue(PieceColour(10)));
    const QPoint first = c.topLeft;
    const QPoint last = c.topLeft + QPoint(c.cell - 1, c.cell - 1);
    EXPECT_EQ(CanvasColor(board, first), rook);
    EXPECT_EQ(CanvasColor(board, last), rook);
    EXPECT_NE(CanvasColor(board, first - QPoint(1, 0)), rook);
    EXPECT_NE(CanvasColor(board, first - QPoint(0, 1)), rook);
    EXPECT_NE(CanvasColor(board, last + QPoint(1, 0)), rook);
    EXPECT_NE(CanvasColor(board, last + QPoint(0, 1)), rook);
}

INSTANTIATE_TEST_SUITE_P(Sets, PiecePlacement,
                         ::testing::Values(PlacementCase{"Set80On48", 48, 80, false, {8, 8}},
                                           PlacementCase{"Set40On48", 48, 40, false, {28, 28}},
                                           PlacementCase{"Set40On47", 47, 40, false, {27, 27}},
                                           PlacementCase{
                                               "Set80On48Turned", 48, 80, true, {744 - 16, 744 - 16}},
                                           PlacementCase{"Set36On48", 48, 36, false, {30, 30}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PiecePlacement, AbsentCustomSetDrawsTheBuiltInPieces)
{
    TVeltanBrd withDefault;
    SetUpGame(withDefault, {{H08, 'Q'}, {A01, 'K'}, {P16, 'k'}});
    TVeltanBrd restored;
    restored.SetCustomPieceSet(ResourcePieceSet(QStringLiteral("ImageFr80")));
    restored.SetCustomPieceSet(QImage());
    SetUpGame(restored, {{H08, 'Q'}, {A01, 'K'}, {P16, 'k'}});
    EXPECT_EQ(restored.PieceSize(), 40);
    EXPECT_EQ(restored.Canvas(), withDefault.Canvas());
}

} // namespace
