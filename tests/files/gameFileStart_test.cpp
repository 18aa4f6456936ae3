// A game file knows how its game began: every arrangement and row shift comes
// back as it was, and files that do not say find their start in the catalogue.

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "gameDocuments.h"
#include "gameFileReader.h"
#include "gameLoader.h"
#include "gamePlay.h"
#include "gameTestHost.h"
#include "startPositionCatalogue.h"

namespace {

constexpr double SecondsPerDay = 86400.0;
using TPieces = std::vector<std::pair<Square, char>>;

struct StartCase {
    int arrangement;
    int rowShift;
    int playersPerTeam;
};

std::string StartText(const StartCase& c)
{
    static const char* const names[] = {"Standard", "Quadrant", "CastlingTest"};
    return std::string(names[c.arrangement]) + "_shift" + std::to_string(c.rowShift) + "_" +
           std::to_string(c.playersPerTeam) + "players";
}

std::string StartName(const testing::TestParamInfo<StartCase>& info)
{
    return StartText(info.param);
}

void PrintTo(const StartCase& c, std::ostream* os)
{
    *os << StartText(c);
}

// A game of that start with clocks and increments of its own, a few moves in.
void PlayFrom(TVeltanBrdKernel& board, const StartCase& c)
{
    board.SetPlayersPerTeam(c.playersPerTeam);
    board.SetMovesPerTeamTurn(4);
    board.SetStartPositionType(static_cast<TStartPositionType>(c.arrangement));
    board.SetStartPositionRowShift(static_cast<TStartPositionRowShift>(c.rowShift));
    board.SetTimeStartWhite(600 / SecondsPerDay);
    board.SetTimeStartBlack(900 / SecondsPerDay);
    board.SetTimeLeftWhite(600 / SecondsPerDay);
    board.SetTimeLeftBlack(900 / SecondsPerDay);
    board.SetTimeIncrementWhite(3 / SecondsPerDay);
    board.SetTimeIncrementBlack(11 / SecondsPerDay);
    ASSERT_TRUE(
        board.StartGameFrom(catalogue::CataloguePosition(c.arrangement, c.rowShift),
                            catalogue::CataloguePlayers(c.arrangement, c.rowShift, c.playersPerTeam)));
    board.SetGameEnded(false);
    ASSERT_EQ(PlayMoves(board, 10, static_cast<std::uint32_t>(c.arrangement * 3 + c.rowShift)), 10);
}

TVeltanBrdKernel& Loaded(TVeltanBrdKernel& board, const QByteArray& document)
{
    const TGameFileReading reading = ParseGameFile(document);
    EXPECT_TRUE(reading.Passed()) << reading.problem.toStdString();
    TTestGameHost host(board);
    ApplyGameFile(reading.game, board, host);
    return board;
}

class GameFileStart : public testing::TestWithParam<StartCase> {};

TEST_P(GameFileStart, LoadsTheGameAsItBegan)
{
    TVeltanBrdKernel original;
    PlayFrom(original, GetParam());
    TVeltanBrdKernel loaded;
    Loaded(loaded, SavedDocument(original));

    EXPECT_EQ(loaded.MoveList[0].position, original.MoveList[0].position);
    EXPECT_EQ(loaded.MoveList[0].players, original.MoveList[0].players);
    EXPECT_EQ(loaded.StartPosition(), original.StartPosition()) << "the unmoved pieces";
    EXPECT_EQ(loaded.StartPositionType(), original.StartPositionType());
    EXPECT_EQ(loaded.StartPositionRowShift(), original.StartPositionRowShift());
    EXPECT_EQ(loaded.TimeStartWhite(), original.TimeStartWhite());
    EXPECT_EQ(loaded.TimeStartBlack(), original.TimeStartBlack());
    EXPECT_EQ(loaded.TimeIncrementWhite(), original.TimeIncrementWhite());
    EXPECT_EQ(loaded.TimeIncrementBlack(), original.TimeIncrementBlack());
    EXPECT_EQ(SavedDocument(loaded).toStdString(), SavedDocument(original).toStdString());
    ASSERT_TRUE(loaded.GotoMove(0));
    EXPECT_EQ(loaded.position(), original.MoveList[0].position);
}

TEST_P(GameFileStart, FilesWithoutTheStartFindItInTheCatalogue)
{
    TVeltanBrdKernel original;
    PlayFrom(original, GetParam());
    const QByteArray older = WithoutStart(SavedDocument(original));
    ASSERT_FALSE(older.contains("StartPosition"));
    TVeltanBrdKernel loaded;
    Loaded(loaded, older);
    EXPECT_EQ(loaded.MoveList[0].position, original.MoveList[0].position);
    EXPECT_EQ(loaded.MoveList[0].players, original.MoveList[0].players);
    EXPECT_EQ(loaded.StartPosition(), original.StartPosition());
    EXPECT_EQ(loaded.StartPositionType(), original.StartPositionType());
    EXPECT_EQ(loaded.StartPositionRowShift(), original.StartPositionRowShift());
}

std::vector<StartCase> EveryStart()
{
    std::vector<StartCase> cases;
    for (int arrangement = 0; arrangement < catalogue::EntryCount; ++arrangement) {
        for (int shift = 0; shift <= catalogue::MaxRowShift; ++shift)
            cases.push_back({arrangement, shift, std::array{1, 2, 4}[static_cast<std::size_t>(shift)]});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(EveryArrangementAndShift, GameFileStart, testing::ValuesIn(EveryStart()), StartName);

// A start that is in no catalogue: the first record with its move taken back.
TEST(GameFileStartGuessed, FirstRecordTakenBackIncludingACastling)
{
    TVeltanBrdKernel original;
    original.SetMovesPerTeamTurn(1);
    std::string position(SquareCount, ' '), players(SquareCount, '0');
    for (const auto& [sq, piece] : TPieces{{I01, 'K'}, {P01, 'R'}, {E02, 'P'}, {I16, 'k'}, {A16, 'r'}}) {
        position[static_cast<std::size_t>(sq - 1)] = piece;
        players[static_cast<std::size_t>(sq - 1)] = '1';
    }
    ASSERT_TRUE(original.StartGameFrom(position, players));
    original.SetGameEnded(false);
    ASSERT_TRUE(original.PerformMove(I01, P01));
    ASSERT_TRUE(original.PerformMove(I16, I15));
    const QByteArray older = WithoutStart(SavedDocument(original));
    TVeltanBrdKernel loaded;
    Loaded(loaded, older);
    EXPECT_EQ(loaded.MoveList[0].position, position);
    EXPECT_EQ(loaded.MoveList[0].players, players);
}

TEST(GameFileStartRefused, AStartThatIsNotSoundRefusesTheFile)
{
    TVeltanBrdKernel original;
    PlayFrom(original, {0, 0, 1});
    const QByteArray document = SavedDocument(original);
    for (const auto& [pattern, replacement] : std::vector<std::pair<QString, QString>>{
             {QStringLiteral("StartPositionType=\"0\""), QStringLiteral("StartPositionType=\"3\"")},
             {QStringLiteral("StartPositionRowShift=\"0\""), QStringLiteral("StartPositionRowShift=\"x\"")},
             {QStringLiteral("TimeStartBlack=\"[^\"]*\""), QStringLiteral("TimeStartBlack=\"soon\"")},
             {QStringLiteral("StartPlayers=\"1"), QStringLiteral("StartPlayers=\"0")},
             {QStringLiteral(" IncrementBlack=\"[^\"]*\""), QString()}}) {
        const QByteArray edited = ReplaceFirst(document, pattern, replacement);
        ASSERT_NE(edited, document) << pattern.toStdString();
        EXPECT_FALSE(ParseGameFile(edited).Passed()) << pattern.toStdString();
    }
}

} // namespace
