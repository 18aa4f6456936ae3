// The promotion dialog: where the strip of pieces sits, which pieces it shows
// for each side, and what a click picks.

#include <QLabel>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

#include "VeltanPromote.h"
#include "appTestSupport.h"
#include "veltanbrd.h"

namespace {

struct TGeometryRow {
    const char* name;
    int square;
    QRect strip;
};

void PrintTo(const TGeometryRow& row, std::ostream* os)
{
    *os << row.name;
}

class PromotionStrip : public ::testing::TestWithParam<TGeometryRow> {};

TEST_P(PromotionStrip, IsFourSquaresWideAndCentredInAClientAreaThatNeverGrows)
{
    TVeltanBrd board;
    board.SetSizeOfSquare(GetParam().square);
    TFrmPromote dialog(nullptr, board);
    dialog.show();
    const auto* const strip = dialog.findChild<QLabel*>(QStringLiteral("ImgPieces"));
    ASSERT_NE(strip, nullptr);
    EXPECT_EQ(strip->geometry(), GetParam().strip);
    EXPECT_EQ(dialog.size(), QSize(274, 61));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Promote"));
    EXPECT_EQ(dialog.PiecesImage().size(), GetParam().strip.size());
}

INSTANTIATE_TEST_SUITE_P(
    SquareSizes, PromotionStrip,
    ::testing::Values(TGeometryRow{"Square48", 48, QRect(41, 6, 192, 48)},
                      TGeometryRow{"Square30", 30, QRect(77, 15, 120, 30)},
                      TGeometryRow{"Square68", 68, QRect(1, -3, 272, 68)},
                      TGeometryRow{"Square80WiderThanTheDialog", 80, QRect(-23, -9, 320, 80)}),
    [](const ::testing::TestParamInfo<TGeometryRow>& info) { return std::string(info.param.name); });

QImage PieceAlone(const TVeltanBrd& board, char piece)
{
    QImage image(board.PieceSize(), board.PieceSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    board.DrawVeltanbrdPiece(painter, 0, 0, piece);
    return image;
}

struct TSideRow {
    const char* name;
    bool whiteToMove;
    const char* pieces; // slot 0..3
    const char* otherSide;
};

void PrintTo(const TSideRow& row, std::ostream* os)
{
    *os << row.name;
}

class PromotionPieces : public ::testing::TestWithParam<TSideRow> {};

TEST_P(PromotionPieces, AreQueenKnightRookBishopOfTheSideToMove)
{
    TVeltanBrd board; // the built-in 40-pixel set: each piece fits its 48-pixel slot
    board.SetSizeOfSquare(48);
    board.SetWhiteToMove(GetParam().whiteToMove);
    TFrmPromote dialog(nullptr, board);
    dialog.show();
    const QImage strip = dialog.PiecesImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    ASSERT_EQ(strip.size(), QSize(192, 48));
    const int size = board.PieceSize();
    ASSERT_LE(size, 48);
    const int offset = (48 - size) / 2;
    for (int slot = 0; slot < 4; ++slot) {
        const QImage shown = strip.copy(slot * 48 + offset, offset, size, size);
        EXPECT_EQ(shown, PieceAlone(board, GetParam().pieces[slot])) << "slot " << slot;
        EXPECT_NE(shown, PieceAlone(board, GetParam().otherSide[slot])) << "slot " << slot;
        // Nothing beside the piece: it is drawn at its own size, centred as on the board.
        for (int x = slot * 48; x < slot * 48 + offset; ++x)
            EXPECT_EQ(qAlpha(strip.pixel(x, 24)), 0) << "x " << x;
    }
}

INSTANTIATE_TEST_SUITE_P(Sides, PromotionPieces,
                         ::testing::Values(TSideRow{"White", true, "QNRB", "qnrb"},
                                           TSideRow{"Black", false, "qnrb", "QNRB"}),
                         [](const ::testing::TestParamInfo<TSideRow>& info) {
                             return std::string(info.param.name);
                         });

struct TPickRow {
    const char* name;
    int x;
    int index;
};

void PrintTo(const TPickRow& row, std::ostream* os)
{
    *os << row.name;
}

class PromotionPick : public ::testing::TestWithParam<TPickRow> {};

TEST_P(PromotionPick, ClosesTheDialogWithTheIndexAndLeavesTheBoardAlone)
{
    TVeltanBrd board;
    board.SetSizeOfSquare(48);
    const std::string position = board.position();
    TFrmPromote dialog(nullptr, board);
    dialog.show();
    auto* const strip = dialog.findChild<QLabel*>(QStringLiteral("ImgPieces"));
    ASSERT_NE(strip, nullptr);
    QTest::mouseClick(strip, Qt::LeftButton, Qt::NoModifier, QPoint(GetParam().x, 20));
    EXPECT_EQ(dialog.Promoteidx(), GetParam().index);
    EXPECT_EQ(dialog.result(), GetParam().index);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(board.PromoteTo, 'q');
    EXPECT_EQ(board.position(), position);
}

INSTANTIATE_TEST_SUITE_P(Clicks, PromotionPick,
                         ::testing::Values(TPickRow{"QueenAt10", 10, 0}, TPickRow{"KnightAt48", 48, 1},
                                           TPickRow{"RookAt100", 100, 2},
                                           TPickRow{"BishopAtTheLastPixel", 191, 3}),
                         [](const ::testing::TestParamInfo<TPickRow>& info) {
                             return std::string(info.param.name);
                         });

TEST(PromotionClose, WithoutAPickEndsWithTheQueen)
{
    TVeltanBrd board;
    TFrmPromote dialog(nullptr, board);
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_EQ(dialog.Promoteidx(), 0);
}

TEST(PromotionPlace, IsCentredOnItsOwner)
{
    QWidget owner;
    owner.setGeometry(100, 80, 600, 400);
    owner.show();
    TVeltanBrd board;
    TFrmPromote dialog(&owner, board);
    const QPoint ownerCentre = owner.frameGeometry().center();
    const QPoint centre = dialog.frameGeometry().center();
    EXPECT_LE((centre - ownerCentre).manhattanLength(), 2);
}

} // namespace

namespace {

int OpaquePixels(const QImage& image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    int count = 0;
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x)
            count += qAlpha(argb.pixel(x, y)) > 0 ? 1 : 0;
    return count;
}

class PromotionInTheWindow : public TMainWindowTest {};

} // namespace

// The window's own piece set has cells larger than its squares, the piece in
// the middle of each: the strip shows every piece whole, as the board does.
TEST_F(PromotionInTheWindow, ShowsEveryPieceWhole)
{
    std::vector<int> shown, whole;
    RunDialog = [&](QDialog& dialog) {
        dialog.show();
        const QImage& strip = static_cast<TFrmPromote&>(dialog).PiecesImage();
        const int slot = strip.height();
        for (int i = 0; i < 4; ++i) {
            shown.push_back(OpaquePixels(strip.copy(i * slot, 0, slot, slot)));
            whole.push_back(OpaquePixels(
                Board().PieceImage(TFrmPromote::PieceOfIndex(i, true), Board().DevicePieceSize())));
        }
        return 0;
    };
    Action(QStringLiteral("Test")).trigger();
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(shown, whole);
}
