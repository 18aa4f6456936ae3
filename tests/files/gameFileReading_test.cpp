// What a load makes of a file: where it finds the game, which moves it takes,
// the tolerant readings of older files, the settings, clocks and turn state it
// sets, and how it drives the main window.

#include <QLocale>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "gameDocuments.h"
#include "gameLoader.h"
#include "gamePlay.h"
#include "gameSnapshot.h"
#include "gameTestHost.h"
#include "timeText.h"

namespace {

constexpr double Second = 1.0 / 86400.0;

class GameFileLoading : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        // Two moves per team turn: White 1-2, Black 3-4, White 5-6.
        StartGame(source, {2, 1});
        ASSERT_EQ(PlayMoves(source, 6, 5), 6);
        document = SavedDocument(source);
    }

    TGameFileOutcome Load(const QByteArray& bytes)
    {
        const QString path = dir.filePath(QStringLiteral("game.xml"));
        EXPECT_TRUE(WriteBytes(path, bytes));
        return LoadGameFile(path, board, host);
    }

    // The records the board holds after a load, 1..HistoryEnd.
    std::vector<TRecordSnapshot> LoadedRecords() const
    {
        const TGameSnapshot s = Snapshot(board);
        return {s.records.begin() + 1, s.records.end()};
    }
    std::vector<TRecordSnapshot> SourceRecords(std::initializer_list<int> numbers) const
    {
        const TGameSnapshot s = Snapshot(source);
        std::vector<TRecordSnapshot> records;
        for (const int n : numbers)
            records.push_back(s.records[static_cast<std::size_t>(n)]);
        return records;
    }

    QTemporaryDir dir;
    TVeltanBrdKernel source;
    QByteArray document;
    TVeltanBrdKernel board;
    TTestGameHost host{board};
};

TEST_F(GameFileLoading, FindsARootSpelledInLowerCase)
{
    QByteArray lower = document;
    lower.replace("<Veltan ", "<veltan ").replace("</Veltan>", "</veltan>");

    ASSERT_TRUE(Load(lower).done);

    EXPECT_EQ(LoadedRecords(), SourceRecords({1, 2, 3, 4, 5, 6}));
}

TEST_F(GameFileLoading, FindsARootNestedInOtherElements)
{
    QByteArray nested = document;
    nested.replace("<Veltan ", "<Archive><Notes/><Box>\n<Veltan ")
        .replace("</Veltan>", "</Veltan></Box></Archive>");

    ASSERT_TRUE(Load(nested).done);

    EXPECT_EQ(LoadedRecords(), SourceRecords({1, 2, 3, 4, 5, 6}));
}

TEST_F(GameFileLoading, TakesTheFirstRootInDepthFirstOrder)
{
    TVeltanBrdKernel shorter;
    StartGame(shorter, {1, 1});
    ASSERT_EQ(PlayMoves(shorter, 2, 8), 2);
    QByteArray first = SavedDocument(shorter);
    first.replace("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n", "").replace("Veltan", "VELTAN");
    QByteArray second = document;
    second.replace("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n", "");

    ASSERT_TRUE(Load("<Games><Box>" + first + "</Box>" + second + "</Games>").done);

    EXPECT_EQ(board.LastMove, 2);
    EXPECT_EQ(board.MovesPerTeamTurn(), 1);
}

TEST_F(GameFileLoading, TakesOnlyDirectChildrenNamedExactlyMove)
{
    // Move 3 spelled in lower case, move 4 wrapped in another element, and a
    // stranger among the moves: the game holds moves 1, 2, 5 and 6.
    QByteArray edited =
        ReplaceFirst(document, QStringLiteral("(<Move[^>]*>\\s*){2}\\K<Move "), QStringLiteral("<move "));
    edited = ReplaceFirst(edited, QStringLiteral("<move [^>]*>\\s*\\K(<Move [^>]*/>)"),
                          QStringLiteral("<Wrap>\\1</Wrap><Note text=\"hi\"/>"));
    ASSERT_EQ(edited.count("<Move "), 5) << edited.toStdString();
    ASSERT_TRUE(edited.contains("<move ") && edited.contains("<Wrap>"));

    ASSERT_TRUE(Load(edited).done);

    EXPECT_EQ(LoadedRecords(), SourceRecords({1, 2, 5, 6}));
}

TEST_F(GameFileLoading, WithoutMovesShowsTheStartWithWhiteToMove)
{
    const QByteArray empty = ReplaceFirst(document, QStringLiteral("(\\s*<Move [^>]*/>)+"), QString());
    ASSERT_EQ(empty.count("<Move"), 0);

    ASSERT_TRUE(Load(empty).done);

    EXPECT_EQ(board.LastMove, 0);
    EXPECT_EQ(board.HistoryEnd(), 0);
    EXPECT_EQ(board.position(), board.MoveList[0].position);
    EXPECT_TRUE(board.WhiteToMove());
    EXPECT_EQ(board.CurrentTeamPlayer(), '1');
    EXPECT_EQ(board.MovesMadeInTurn(), 0);
    EXPECT_FALSE(board.GameEnded());
}

struct TurnCase {
    const char* name;
    int movesInFile;
    bool whiteToMove;
    int movesMadeInTurn;
};

void PrintTo(const TurnCase& c, std::ostream* os)
{
    *os << c.name;
}

class GameFileTurnState : public GameFileLoading, public testing::WithParamInterface<TurnCase> {};

TEST_P(GameFileTurnState, IsTheOneRightAfterTheLastMove)
{
    // Keep the first movesInFile moves.
    QByteArray cut = document;
    for (int n = GetParam().movesInFile; n < 6; ++n)
        cut = ReplaceFirst(cut, QStringLiteral("\\s*<Move [^>]*/>(?=\\s*</Veltan>)"), QString());
    ASSERT_EQ(cut.count("<Move "), GetParam().movesInFile);

    ASSERT_TRUE(Load(cut).done);

    EXPECT_EQ(board.LastMove, GetParam().movesInFile);
    EXPECT_EQ(board.WhiteToMove(), GetParam().whiteToMove);
    EXPECT_EQ(board.MovesMadeInTurn(), GetParam().movesMadeInTurn);
    EXPECT_EQ(board.CurrentTeamPlayer(), '1');
    // The jump passed a completed turn on: nothing is left to switch.
    EXPECT_FALSE(board.TurnMustSwitch());
    EXPECT_EQ(board.position(), board.MoveList[static_cast<std::size_t>(GetParam().movesInFile)].position);
}

INSTANTIATE_TEST_SUITE_P(
    LastMoves, GameFileTurnState,
    testing::Values(TurnCase{"CompletedWhitesTurn", 6, false, 0}, TurnCase{"FirstOfWhitesTwo", 5, true, 1},
                    TurnCase{"CompletedBlacksTurn", 4, true, 0}, TurnCase{"FirstOfBlacksTwo", 3, false, 1}),
    [](const testing::TestParamInfo<TurnCase>& info) { return std::string(info.param.name); });

TEST_F(GameFileLoading, AMissingTeamColorCountsAsBlack)
{
    // Move 5 was White's.
    ASSERT_TRUE(source.MoveList[5].WhiteTeamIsPlaying);
    const QByteArray edited = ReplaceFirst(
        document, QStringLiteral("(<Move[^>]*>\\s*){4}<Move [^>]*\\K TeamColor=\"White\""), QString());
    ASSERT_EQ(edited.count("TeamColor"), 5);

    ASSERT_TRUE(Load(edited).done);

    EXPECT_FALSE(board.MoveList[5].WhiteTeamIsPlaying);
    EXPECT_TRUE(board.MoveList[6].WhiteTeamIsPlaying);
}

TEST_F(GameFileLoading, AMissingOrMalformedSquareIsNoSquare)
{
    QByteArray edited = ReplaceFirst(document, QStringLiteral(" OldSqr=\"[A-P][0-9]{2}\""), QString());
    edited =
        ReplaceFirst(edited, QStringLiteral("(<Move[^>]*>\\s*){1}<Move [^>]*\\KNewSqr=\"[A-P][0-9]{2}\""),
                     QStringLiteral("NewSqr=\"Z99\""));
    edited =
        ReplaceFirst(edited, QStringLiteral("(<Move[^>]*>\\s*){2}<Move [^>]*\\KOldSqr=\"[A-P][0-9]{2}\""),
                     QStringLiteral("OldSqr=\"Q01\""));
    const QString lowerCase =
        QString::fromStdString(TVeltanBrdKernel::SquareToString(source.MoveList[4].NewSquare)).toLower();
    edited =
        ReplaceFirst(edited, QStringLiteral("(<Move[^>]*>\\s*){3}<Move [^>]*\\KNewSqr=\"[A-P][0-9]{2}\""),
                     QStringLiteral("NewSqr=\"%1\"").arg(lowerCase));

    ASSERT_TRUE(Load(edited).done);

    EXPECT_EQ(board.MoveList[1].OldSquare, SqrNone);
    EXPECT_EQ(board.MoveList[1].NewSquare, source.MoveList[1].NewSquare);
    EXPECT_EQ(board.MoveList[2].NewSquare, SqrNone);
    EXPECT_EQ(board.MoveList[3].OldSquare, SqrNone);
    EXPECT_EQ(board.MoveList[4].NewSquare, source.MoveList[4].NewSquare);
}

TEST_F(GameFileLoading, StoresTheSettingsWithTheFilesMovesPerPlayer)
{
    TVeltanBrdKernel shared;
    StartGame(shared, {4, 2});
    ASSERT_EQ(PlayMoves(shared, 8, 9), 8);
    shared.SetTimeIncrementWhite(12 * Second);
    shared.SetTimeIncrementBlack(99 * Second);

    ASSERT_TRUE(Load(SavedDocument(shared)).done);

    EXPECT_EQ(board.PlayersPerTeam(), 2);
    EXPECT_EQ(board.MovesPerTeamTurn(), 4);
    EXPECT_EQ(board.MovesPerPlayerTurn(), 2);
    EXPECT_DOUBLE_EQ(board.TimeIncrementWhite(), 12 * Second);
    EXPECT_DOUBLE_EQ(board.TimeIncrementBlack(), 99 * Second);
    // A file without its start keeps White's increment only, for both teams.
    ASSERT_TRUE(Load(WithoutStart(SavedDocument(shared))).done);
    EXPECT_DOUBLE_EQ(board.TimeIncrementBlack(), 12 * Second);
}

TEST_F(GameFileLoading, SetsEachClockFromItsTeamsLastMove)
{
    // Move n leaves its team n minutes.
    for (int n = 1; n <= 6; ++n)
        source.MoveList[static_cast<std::size_t>(n)].TimeLeft = n * 60 * Second;
    const QByteArray edited = SavedDocument(source);

    ASSERT_TRUE(Load(edited).done);

    EXPECT_DOUBLE_EQ(board.TimeLeftWhite(), 6 * 60 * Second); // move 6, White's
    EXPECT_DOUBLE_EQ(board.TimeLeftBlack(), 4 * 60 * Second); // move 4, Black's
}

TEST_F(GameFileLoading, ReadsTimesInTheUsersLocaleForm)
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QByteArray edited = ReplaceFirst(WithoutStart(document), QStringLiteral("Increment=\"[^\"]*\""),
                                     QStringLiteral("Increment=\"12:00:05 AM\""));
    // Files of that time hold no milliseconds beside the time.
    edited = ReplaceFirst(
        edited, QStringLiteral("(<Move[^>]*>\\s*){5}<Move [^>]*\\KTimeLeft=\"[^\"]*\" TimeLeftMs=\"[^\"]*\""),
        QStringLiteral("TimeLeft=\"1:30:00 PM\""));

    const TGameFileOutcome outcome = Load(edited);
    QLocale::setDefault(previous);

    ASSERT_TRUE(outcome.done) << outcome.message.toStdString();
    EXPECT_DOUBLE_EQ(board.TimeIncrementWhite(), 5 * Second);
    EXPECT_DOUBLE_EQ(board.MoveList[6].TimeLeft, (13 * 3600 + 30 * 60) * Second);
}

TEST_F(GameFileLoading, DrivesTheMainWindowInOrderAndStartsPlay)
{
    StartGame(board, {1, 1});
    ASSERT_EQ(PlayMoves(board, 3, 4), 3);

    ASSERT_TRUE(Load(document).done);

    EXPECT_EQ(host.calls, (std::vector<std::string>{"InitialGameSetup", "UpdateGameSettings", "StartStop"}));
    EXPECT_TRUE(host.gameEndedAtSetup);
    EXPECT_EQ(host.lastMoveAtStartStop, 6);
    EXPECT_FALSE(board.GameEnded());
}

TEST_F(GameFileLoading, ReplacesALongerGameWholly)
{
    StartGame(board, {1, 1});
    ASSERT_EQ(PlayMoves(board, 20, 6), 20);

    ASSERT_TRUE(Load(document).done);

    EXPECT_EQ(board.HistoryEnd(), 6);
    EXPECT_FALSE(board.MoveForward());
    EXPECT_EQ(LoadedRecords(), SourceRecords({1, 2, 3, 4, 5, 6}));
}

} // namespace
