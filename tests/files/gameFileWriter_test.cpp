// The document a save writes: its declaration, the root and its attributes in
// order, one Move per record 1..LastMove, the indentation, and when there is
// nothing worth saving.

#include <QDateTime>
#include <gtest/gtest.h>

#include "gameDocuments.h"
#include "gameFileNames.h"
#include "gameFileWriter.h"
#include "gamePlay.h"

namespace {

TEST(GameFileDocument, HasTheDeclarationRootAttributesAndOneIndentedMovePerRecord)
{
    TVeltanBrdKernel board;
    StartGame(board, {2, 2});
    ASSERT_EQ(PlayMoves(board, 4, 1), 4);
    board.MoveList[1].TimeLeft = 3599.0 / 86400; // 0:59:59
    board.MoveList[2].TimeLeft = 60.0 / 86400;   // 0:01:00
    board.MoveList[3].TimeLeft = 3723.0 / 86400; // 1:02:03
    board.MoveList[4].TimeLeft = 0.0;

    const QString times[] = {"0:59:59", "0:01:00", "1:02:03", "0:00:00"};
    const QString milliseconds[] = {"3599000", "60000", "3723000", "0"};
    QString expected =
        QStringLiteral(
            "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
            "<Veltan Version=\"0.9\" Name=\"test-game.xml\" DateTime=\"2024-03-15-14-05-09\" "
            "PlayersPerTeam=\"2\" MovesPerTeamTurn=\"2\" MovesPerPlayerTurn=\"1\" "
            "Increment=\"0:00:07\" StartPosition=\"%1\" StartPlayers=\"%2\" StartPositionType=\"0\" "
            "StartPositionRowShift=\"0\" TimeStartWhite=\"1:00:00\" TimeStartBlack=\"1:00:00\" "
            "IncrementWhite=\"0:00:07\" IncrementBlack=\"0:00:07\">\n")
            .arg(QString::fromStdString(board.MoveList[0].position),
                 QString::fromStdString(board.MoveList[0].players));
    for (int n = 1; n <= 4; ++n) {
        const MoveInfo& r = board.MoveList[static_cast<std::size_t>(n)];
        expected +=
            QStringLiteral("  <Move Position=\"%1\" Players=\"%2\" TimeLeft=\"%3\" TimeLeftMs=\"%4\" "
                           "TeamColor=\"%5\" OldSqr=\"%6\" NewSqr=\"%7\"/>\n")
                .arg(QString::fromStdString(r.position), QString::fromStdString(r.players), times[n - 1],
                     milliseconds[n - 1], QString::fromLatin1(r.WhiteTeamIsPlaying ? "White" : "Black"),
                     QString::fromStdString(TVeltanBrdKernel::SquareToString(r.OldSquare)),
                     QString::fromStdString(TVeltanBrdKernel::SquareToString(r.NewSquare)));
    }
    expected += QStringLiteral("</Veltan>\n");

    EXPECT_EQ(QString::fromUtf8(SavedDocument(board)).toStdString(), expected.toStdString());
}

TEST(GameFileDocument, HoldsTheRecordsUpToTheMoveOnTheBoardOnly)
{
    TVeltanBrdKernel board;
    StartGame(board, {1, 1});
    ASSERT_EQ(PlayMoves(board, 5, 2), 5);
    ASSERT_TRUE(board.MoveBackward());
    ASSERT_TRUE(board.MoveBackward());

    const QByteArray document = SavedDocument(board);

    EXPECT_EQ(document.count("<Move "), 3);
    EXPECT_TRUE(document.contains(QString::fromStdString(board.MoveList[3].position).toUtf8()));
}

struct NothingToSaveCase {
    int movesPerTeamTurn;
    int movesMade;
    bool nothingToSave;
};

void PrintTo(const NothingToSaveCase& c, std::ostream* os)
{
    *os << c.movesPerTeamTurn << " moves a turn, " << c.movesMade << " made";
}

class NothingToSaveBelowOneTurnOfEachTeam : public testing::TestWithParam<NothingToSaveCase> {};

TEST_P(NothingToSaveBelowOneTurnOfEachTeam, DependsOnTheMovesPerTeamTurn)
{
    TVeltanBrdKernel board;
    StartGame(board, {GetParam().movesPerTeamTurn, 1});
    ASSERT_EQ(PlayMoves(board, GetParam().movesMade, 3), GetParam().movesMade);
    EXPECT_EQ(NothingToSave(board), GetParam().nothingToSave);
}

INSTANTIATE_TEST_SUITE_P(Games, NothingToSaveBelowOneTurnOfEachTeam,
                         testing::Values(NothingToSaveCase{1, 0, true}, NothingToSaveCase{1, 1, true},
                                         NothingToSaveCase{1, 2, false}, NothingToSaveCase{2, 3, true},
                                         NothingToSaveCase{2, 4, false}, NothingToSaveCase{4, 7, true},
                                         NothingToSaveCase{4, 8, false}));

TEST(GameFileNames, StampAndDefaultNameFollowTheFixedPattern)
{
    const QDateTime morning(QDate(2024, 3, 5), QTime(4, 5, 9));
    const QDateTime afternoon(QDate(2024, 12, 31), QTime(23, 59, 58));
    EXPECT_EQ(GameFileStamp(morning), QStringLiteral("2024-03-05-04-05-09"));
    EXPECT_EQ(GameFileStamp(afternoon), QStringLiteral("2024-12-31-23-59-58"));
    EXPECT_EQ(DefaultGameFileName(GameFileStamp(morning)), QStringLiteral("Veltan-2024-03-05-04-05-09.xml"));
}

TEST(GameFileNames, AChosenNameWithoutSuffixGetsXml)
{
    EXPECT_EQ(WithGameFileSuffix(QStringLiteral("/games/mine")), QStringLiteral("/games/mine.xml"));
    EXPECT_EQ(WithGameFileSuffix(QStringLiteral("/games/mine.")), QStringLiteral("/games/mine.xml"));
    EXPECT_EQ(WithGameFileSuffix(QStringLiteral("/games/mine.xml")), QStringLiteral("/games/mine.xml"));
    EXPECT_EQ(WithGameFileSuffix(QStringLiteral("/games/mine.game")), QStringLiteral("/games/mine.game"));
}

} // namespace
