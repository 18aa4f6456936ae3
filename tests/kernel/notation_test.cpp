// Squares, their text form, and the queries on the board arrays.

#include <gtest/gtest.h>

#include "testBoard.h"

namespace {

struct SquareCase {
    Square square;
    int x, y;
    const char* text;
    int colour;
};

void PrintTo(const SquareCase& c, std::ostream* os)
{
    *os << c.text;
}

class SquareNotation : public testing::TestWithParam<SquareCase> {};

TEST_P(SquareNotation, CoordinatesTextAndColourAgree)
{
    const SquareCase c = GetParam();
    EXPECT_EQ(TVeltanBrdKernel::XPos(c.square), c.x);
    EXPECT_EQ(TVeltanBrdKernel::YPos(c.square), c.y);
    EXPECT_EQ(TVeltanBrdKernel::GetSquareFromXY(c.x, c.y), c.square);
    EXPECT_EQ(TVeltanBrdKernel::SquareToString(c.square), c.text);
    EXPECT_EQ(TVeltanBrdKernel::AnsiStringToSquare(c.text), c.square);
    EXPECT_EQ(TVeltanBrdKernel::ColorOfSquare(c.square), c.colour);
}

INSTANTIATE_TEST_SUITE_P(Corners, SquareNotation,
                         testing::Values(SquareCase{A16, 1, 16, "A16", 0}, SquareCase{P16, 16, 16, "P16", 1},
                                         SquareCase{A01, 1, 1, "A01", 1}, SquareCase{P01, 16, 1, "P01", 0},
                                         SquareCase{H08, 8, 8, "H08", 1}, SquareCase{B01, 2, 1, "B01", 0},
                                         SquareCase{I16, 9, 16, "I16", 0}, SquareCase{J01, 10, 1, "J01", 0}));

TEST(SquareNotation, EnumeratorValues)
{
    EXPECT_EQ(I16, 9);
    EXPECT_EQ(J16, 10);
    EXPECT_EQ(H08, 136);
    EXPECT_EQ(A01, 241);
    EXPECT_EQ(I01, 249);
    EXPECT_EQ(P01, 256);
}

TEST(SquareNotation, OffBoardGivesNoSquare)
{
    const std::pair<int, int> offBoard[] = {{0, 5}, {17, 5}, {5, 0}, {5, 17}, {-1, -1}, {1000, 1}};
    for (const auto& [x, y] : offBoard)
        EXPECT_EQ(TVeltanBrdKernel::GetSquareFromXY(x, y), SqrNone) << x << "," << y;
    EXPECT_EQ(TVeltanBrdKernel::XPos(SqrNone), 0);
    EXPECT_EQ(TVeltanBrdKernel::YPos(static_cast<Square>(257)), 0);
    EXPECT_EQ(TVeltanBrdKernel::SquareToString(static_cast<Square>(300)), "");
}

TEST(SquareNotation, TextThatNamesNoSquare)
{
    EXPECT_EQ(TVeltanBrdKernel::AnsiStringToSquare("a16"), A16);
    EXPECT_EQ(TVeltanBrdKernel::AnsiStringToSquare("p01"), P01);
    EXPECT_EQ(TVeltanBrdKernel::AnsiStringToSquare("h08"), H08);
    for (const char* text : {"a1", "a016", "a00", "a17", "q08", "h0x", "", "h 8", "@08", "H-1", "h99"})
        EXPECT_EQ(TVeltanBrdKernel::AnsiStringToSquare(text), SqrNone) << '"' << text << '"';
}

TEST(BoardQueries, ColourOfContent)
{
    TRecordingKernel board;
    SetUpGame(board, {{H08, 'e'}, {A01, 'E'}, {B02, 'Q'}, {C03, 'k'}});
    EXPECT_EQ(board.ColorOfPieceOnSquare(H08, false), ColorBlack);
    EXPECT_EQ(board.ColorOfPieceOnSquare(H08, true), ColorNone);
    EXPECT_EQ(board.ColorOfPieceOnSquare(A01, false), ColorWhite);
    EXPECT_EQ(board.ColorOfPieceOnSquare(A01, true), ColorNone);
    EXPECT_EQ(board.ColorOfPieceOnSquare(B02, true), ColorWhite);
    EXPECT_EQ(board.ColorOfPieceOnSquare(C03, false), ColorBlack);
    EXPECT_EQ(board.ColorOfPieceOnSquare(D04, false), ColorNone);
    EXPECT_EQ(board.ColorOfPieceOnSquare(SqrNone, false), ColorNone);
    EXPECT_EQ(board.ColorOfPieceOnSquare(static_cast<Square>(999), false), ColorNone);
}

TEST(BoardQueries, ColourOfPromotionLetters)
{
    const std::pair<char, int> cases[] = {{'Q', 1},  {'N', 1},  {'n', 0},  {'r', 0},  {'P', -1},
                                          {'K', -1}, {'e', -1}, {' ', -1}, {'\0', -1}};
    for (const auto& [letter, colour] : cases)
        EXPECT_EQ(TVeltanBrdKernel::ColorOfPiece(letter), colour) << letter;
}

TEST(BoardQueries, EmptySquareHasNoOwnerWhateverThePlayersArraySays)
{
    TRecordingKernel board;
    SetUpGame(board, {{B02, 'Q', '3'}});
    board.SetPlayers(std::string(SquareCount, '4'));
    EXPECT_EQ(board.PlayerOnSquare(C03), '0');
    EXPECT_EQ(board.PlayerOnSquare(B02), '4');
    EXPECT_EQ(board.PlayerOnSquare(SqrNone), '0');
}

TEST(PositionAssignment, FiltersLettersAndStopsAtNul)
{
    TRecordingKernel board;
    board.SetPosition("RNxZ" + std::string(1, '\0') + "QQ");
    const std::string pos = board.position();
    ASSERT_EQ(pos.size(), 256u);
    EXPECT_EQ(pos.substr(0, 6), "RN    ");
    EXPECT_EQ(pos.find_first_not_of(' ', 2), std::string::npos);

    board.SetPosition(std::string(300, 'q'));
    EXPECT_EQ(board.position(), std::string(256, 'q'));
}

TEST(PositionAssignment, KeywordsRestoreTheStartOfTheGameInProgress)
{
    for (const char* keyword : {"init", "INIT", "NewGame"}) {
        TRecordingKernel board;
        const std::string inProgress = board.StartPosition();
        board.InitOptions(); // changes only the next game's arrangement
        board.SetPosition("K");
        board.SetPosition(keyword);
        EXPECT_EQ(board.position(), inProgress) << keyword;
    }
}

TEST(PlayersAssignment, ShortTextChangesOnlyTheFirstOwners)
{
    TRecordingKernel board;
    const std::string before = board.players();
    board.SetPlayers("234");
    const std::string after = board.players();
    EXPECT_EQ(after.substr(0, 3), "234");
    EXPECT_EQ(after.substr(3), before.substr(3));
    board.SetPlayers(std::string(1000, '2'));
    EXPECT_EQ(board.players(), std::string(256, '2'));
}

} // namespace
