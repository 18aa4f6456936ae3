// The README's picture shows what it promises.

#include <gtest/gtest.h>

#include "boardPicture.h"
#include "boardTestSupport.h"

namespace {

TEST(BoardPicture, ShowsTheClassicGameWithTheKnightsDestinationsInGreen)
{
    const QImage picture = RenderBoardPicture();
    ASSERT_EQ(picture.size(), QSize(816, 816));
    TVeltanBrd board;
    ApplyMainWindowLook(board);
    board.InitOptions();
    board.NewGame();
    board.SetGameEnded(false);
    const std::vector<Square> legal = Destinations(board, BoardPicturePressedSquare);
    EXPECT_EQ(legal.size(), 4u);
    const auto colourAt = [&](QPoint at) {
        const QRgb pixel = picture.pixel(at);
        return PlatformRgb(qRed(pixel), qGreen(pixel), qBlue(pixel));
    };
    int green = 0;
    for (int sq = 1; sq <= SquareCount; ++sq) {
        const TColor colour = colourAt(SquareCentre(board, static_cast<Square>(sq)));
        green += colour == 0xAAFCA1u || colour == PlatformRgb(192, 220, 192) ? 1 : 0;
    }
    EXPECT_EQ(green, static_cast<int>(legal.size()));
    EXPECT_EQ(colourAt({400, 816 - 3}), 0xC0C0C0u) << "the silver border";
    EXPECT_EQ(board.PieceOn(E02), 'B') << "the classic arrangement";
}

} // namespace
