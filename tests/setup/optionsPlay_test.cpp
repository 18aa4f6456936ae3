// A game set up through the dialog can be played: every arrangement, row
// shift and number of players through the game's own moves, and one game
// with the mouse on the board, read back from the board's picture.

#include <QApplication>
#include <QTest>

#include "optionsSupport_test.h"
#include "startPositionCatalogue.h"

namespace {

struct ArrangementCase {
    const char* position;
    int index;
    int shift;
    int players;
    int moves;
};

std::string Name(const ArrangementCase& c)
{
    return std::string(c.position) + ", shift " + std::to_string(c.shift) + ", " + std::to_string(c.players) +
           " players, " + std::to_string(c.moves) + " moves";
}

std::vector<ArrangementCase> Arrangements()
{
    // Every entry with every row shift, and every number of players with the
    // team turns that give each player one, two or four moves.
    std::vector<ArrangementCase> cases;
    const std::pair<const char*, int> entries[] = {
        {"Standard", catalogue::StandardEntry},
        {"Quadrant", catalogue::QuadrantEntry},
        {"Castling test", catalogue::CastlingTestEntry},
    };
    const std::pair<int, int> teams[] = {{1, 1}, {2, 2}, {4, 4}, {1, 4}, {2, 4}};
    int turn = 0;
    for (const auto& [name, index] : entries)
        for (int shift = 0; shift <= 2; ++shift) {
            const auto& [players, moves] = teams[turn++ % std::size(teams)];
            cases.push_back({name, index, shift, players, moves});
        }
    return cases;
}

using OptionsPlayTest = OptionsTest;

TEST_F(OptionsPlayTest, EveryArrangementSetUpFromTheDialogCanBePlayed)
{
    for (const ArrangementCase& c : Arrangements()) {
        {
            const auto dialog = OpenDialog();
            ChooseItem(Box(*dialog, "CbxSelectStartPosition"), QString::fromLatin1(c.position));
            ChooseItem(Box(*dialog, "CbxRowShift"), QString::number(c.shift));
            ChooseItem(Box(*dialog, "CbxMovesPerTeamTurn"), QString::number(c.moves));
            ChooseItem(Box(*dialog, "CbxPlayersPerTeam"), QString::number(c.players));
            PressOk(*dialog);
            ASSERT_EQ(dialog->result(), QDialog::Accepted) << Name(c);
        }
        const std::string start = catalogue::CataloguePosition(c.index, c.shift);
        const std::string owners = catalogue::CataloguePlayers(c.index, c.shift, c.players);
        ASSERT_EQ(board->position(), start) << Name(c);
        ASSERT_EQ(board->players(), owners) << Name(c);
        EXPECT_EQ(board->LastMove, 0) << Name(c);
        EXPECT_EQ(board->MoveList[0].position, start) << Name(c);

        // "Start/Stop", then a few moves: the first legal one each time.
        board->SetGameEnded(false);
        for (int moveno = 1; moveno <= 8; ++moveno) {
            const auto moves = LegalMoves(*board);
            ASSERT_FALSE(moves.empty()) << Name(c) << " before move " << moveno;
            const auto [from, to] = moves.front();
            const bool white = board->WhiteToMove();
            ASSERT_TRUE(board->move(from, to)) << Name(c) << " move " << moveno;
            EXPECT_EQ(board->LastMove, moveno) << Name(c);
            EXPECT_EQ(board->MoveList[static_cast<std::size_t>(moveno)].OldSquare, from) << Name(c);
            EXPECT_EQ(board->MoveList[static_cast<std::size_t>(moveno)].WhiteTeamIsPlaying, white) << Name(c);
            std::string why;
            ASSERT_TRUE(board->CheckConsistency(why)) << Name(c) << " move " << moveno << ": " << why;
            if (board->GameEnded())
                break;
        }
        // Teams alternate after their moves per turn.
        EXPECT_TRUE(board->MoveList[1].WhiteTeamIsPlaying) << Name(c);
        if (board->LastMove > c.moves) {
            EXPECT_FALSE(board->MoveList[static_cast<std::size_t>(c.moves) + 1].WhiteTeamIsPlaying)
                << Name(c);
        }

        // The dialog sets up the next game over this one's end.
        board->SetGameEnded(true);
    }
}

// The picture of one square as the board last drew it.
QImage SquarePicture(const TVeltanBrd& board, Square sq)
{
    const std::optional<QPoint> at = board.SquareToCoords(sq);
    if (!at)
        return {};
    return board.Canvas().copy(QRect(*at, QSize(board.SizeOfSquare(), board.SizeOfSquare())));
}

QPoint Centre(const TVeltanBrd& board, Square sq)
{
    const int half = board.SizeOfSquare() / 2;
    return board.SquareToCoords(sq).value_or(QPoint(-1, -1)) + QPoint(half, half);
}

// Press on a piece, pull it past the drag distance, carry it over and let go.
void DragPiece(TVeltanBrd& board, Square from, Square to)
{
    const QPoint start = Centre(board, from);
    const QPoint end = Centre(board, to);
    QTest::mousePress(&board, Qt::LeftButton, Qt::NoModifier, start);
    QTest::mouseMove(&board, start + QPoint(0, -(QApplication::startDragDistance() + 1)));
    QTest::mouseMove(&board, end);
    QTest::mouseRelease(&board, Qt::LeftButton, Qt::NoModifier, end);
}

struct DragCase {
    const char* from;
    const char* to;
    const char* emptyLikeFrom; ///< an empty square of the colour of `from` afterwards
    const char* emptyLikeTo;   ///< an empty square of the colour of `to`
    char piece;
};

TEST_F(OptionsPlayTest, GameSetUpFromTheDialogIsPlayedWithTheMouse)
{
    owner.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
    {
        const auto dialog = OpenDialog();
        ChooseItem(Box(*dialog, "CbxSelectStartPosition"), "Quadrant");
        ChooseItem(Box(*dialog, "CbxRowShift"), "1");
        ChooseItem(Box(*dialog, "CbxMovesPerTeamTurn"), "1");
        // The built-in set fits the squares: no piece reaches into its neighbours' pictures.
        ChooseItem(Box(*dialog, "CbxPieceSet"), "Automatic");
        PressOk(*dialog);
        ASSERT_EQ(dialog->result(), QDialog::Accepted);
    }
    board->SetGameEnded(false); // "Start/Stop"
    ASSERT_TRUE(board->isEnabled());
    ASSERT_FALSE(board->Canvas().isNull());
    // Squares are compared with empty ones: the last move's own colour stays off.
    board->SetShowLastMove(false);

    // Quadrant with row shift 1: White's front pawns on rank 05, Black's on 12.
    const std::vector<DragCase> drags = {
        {"C05", "C07", "C09", "C09", 'P'}, // White, two squares
        {"F12", "F11", "F10", "F09", 'p'}, // Black, one square
        {"B04", "C08", "B08", "C10", 'N'}, // White knight, one file and four ranks over the pawns
    };
    for (std::size_t i = 0; i < drags.size(); ++i) {
        const DragCase& d = drags[i];
        const Square from = TVeltanBrdKernel::AnsiStringToSquare(d.from);
        const Square to = TVeltanBrdKernel::AnsiStringToSquare(d.to);
        ASSERT_EQ(board->PieceOn(from), d.piece) << d.from;
        ASSERT_TRUE(board->MoveIsLegal(from, to)) << d.from << "-" << d.to;
        const QImage emptyTo = SquarePicture(*board, TVeltanBrdKernel::AnsiStringToSquare(d.emptyLikeTo));
        ASSERT_EQ(SquarePicture(*board, to), emptyTo) << d.to << " starts empty";

        DragPiece(*board, from, to);

        EXPECT_EQ(board->LastMove, static_cast<int>(i) + 1) << d.from;
        EXPECT_EQ(board->PieceOn(to), d.piece) << d.to;
        EXPECT_EQ(board->MoveList[i + 1].OldSquare, from);
        EXPECT_EQ(board->MoveList[i + 1].NewSquare, to);
        // The picture agrees: the piece has left its square and stands on the other.
        EXPECT_EQ(SquarePicture(*board, from),
                  SquarePicture(*board, TVeltanBrdKernel::AnsiStringToSquare(d.emptyLikeFrom)))
            << d.from << " looks empty";
        EXPECT_NE(SquarePicture(*board, to), emptyTo) << d.to << " shows the piece";
    }
    EXPECT_FALSE(board->WhiteToMove());
    EXPECT_EQ(board->MoveList[0].position, catalogue::CataloguePosition(catalogue::QuadrantEntry, 1));
    EXPECT_TRUE(dialogs.messages.empty());
}

} // namespace
