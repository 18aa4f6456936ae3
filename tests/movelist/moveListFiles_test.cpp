// Save and Load from the window: the questions it asks, the messages it
// shows, and what a load does to the list and the main window.

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "gameDocuments.h"
#include "gameFileReader.h"
#include "gameSnapshot.h"
#include "moveListFixture.h"

namespace {

class MoveListFiles : public MoveListWindow {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        host.folder = dir.path();
    }
    QString PathIn(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir;
};

TEST_F(MoveListFiles, SaveBelowOneTurnOfEachTeamSaysThereIsNothingToSave)
{
    PlayGame(1);
    OpenWindow();

    Click("BtnSave");

    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("There is nothing to save"));
    EXPECT_EQ(dialogs.messages[0].icon, QMessageBox::Information);
    EXPECT_TRUE(dialogs.saveRequests.empty());
}

TEST_F(MoveListFiles, SaveOffersAStampedNameInTheHostsFolderAndWritesTheGame)
{
    PlayGame(4);
    OpenWindow();
    dialogs.saveAnswer = PathIn("mine.xml");

    Click("BtnSave");

    ASSERT_EQ(dialogs.saveRequests.size(), 1u);
    const QRegularExpression offered(
        QStringLiteral("^%1/Veltan-\\d{4}-\\d\\d-\\d\\d-\\d\\d-\\d\\d-\\d\\d\\.xml$")
            .arg(QRegularExpression::escape(dir.path())));
    EXPECT_TRUE(offered.match(dialogs.saveRequests[0].dir).hasMatch())
        << dialogs.saveRequests[0].dir.toStdString();
    EXPECT_TRUE(dialogs.saveRequests[0].filter.contains(QStringLiteral("*.xml")));
    EXPECT_TRUE(dialogs.messages.empty());
    const TGameFileReading saved = ReadGameFile(PathIn("mine.xml"));
    ASSERT_TRUE(saved.Passed()) << saved.problem.toStdString();
    EXPECT_EQ(saved.game.moves.size(), 4u);
}

TEST_F(MoveListFiles, SaveAddsTheSuffixToANameWithout)
{
    PlayGame(2);
    OpenWindow();
    dialogs.saveAnswer = PathIn("mine");

    Click("BtnSave");

    EXPECT_TRUE(QFileInfo::exists(PathIn("mine.xml")));
    EXPECT_FALSE(QFileInfo::exists(PathIn("mine")));
}

TEST_F(MoveListFiles, CancellingSaveWritesNothingAndSaysNothing)
{
    PlayGame(2);
    OpenWindow();

    Click("BtnSave");

    EXPECT_EQ(dialogs.saveRequests.size(), 1u);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST_F(MoveListFiles, AFailedSaveIsReportedOnce)
{
    PlayGame(2);
    OpenWindow();
    dialogs.saveAnswer = PathIn("no-such-folder/mine.xml");

    Click("BtnSave");

    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, QMessageBox::Warning);
    EXPECT_TRUE(dialogs.messages[0].text.contains(QDir::toNativeSeparators(dialogs.saveAnswer)));
}

TEST_F(MoveListFiles, LoadReplacesTheGameStartsPlayAndRefillsTheList)
{
    TVeltanBrd other;
    other.SetAnimateMoves(false);
    StartGame(other, {2, 2});
    ASSERT_EQ(PlayMoves(other, 6, 77), 6);
    ASSERT_TRUE(WriteBytes(PathIn("game.xml"), SavedDocument(other)));
    PlayGame(3);
    OpenWindow();
    dialogs.openAnswer = PathIn("game.xml");

    Click("BtnLoad");

    EXPECT_TRUE(dialogs.messages.empty());
    ASSERT_EQ(dialogs.openRequests.size(), 1u);
    EXPECT_EQ(dialogs.openRequests[0].dir, dir.path());
    EXPECT_EQ(host.calls, (std::vector<std::string>{"InitialGameSetup", "UpdateGameSettings", "StartStop"}));
    EXPECT_FALSE(board.GameEnded());
    EXPECT_EQ(board.LastMove, 6);
    EXPECT_EQ(board.MovesPerTeamTurn(), 2);
    EXPECT_EQ(Lines().size(), 6u);
    EXPECT_EQ(Lines().front(), LineOf(6));
    EXPECT_EQ(board.MoveList[6].position, other.MoveList[6].position);
}

TEST_F(MoveListFiles, CancellingLoadChangesNothing)
{
    PlayGame(3);
    OpenWindow();
    const TGameSnapshot before = Snapshot(board);

    Click("BtnLoad");

    EXPECT_TRUE(host.calls.empty());
    EXPECT_EQ(Snapshot(board), before);
    EXPECT_EQ(List().count(), 3);
}

struct BadLoad {
    const char* name;
    QByteArray bytes;
};

void PrintTo(const BadLoad& c, std::ostream* os)
{
    *os << c.name;
}

class LoadingABadFile : public MoveListFiles, public testing::WithParamInterface<BadLoad> {};

TEST_P(LoadingABadFile, ShowsOneMessageNamingItAndKeepsTheGame)
{
    PlayGame(3);
    OpenWindow();
    ClickLine(1);
    const TGameSnapshot before = Snapshot(board);
    const std::vector<std::string> lines = Lines();
    ASSERT_TRUE(WriteBytes(PathIn("bad.xml"), GetParam().bytes));
    dialogs.openAnswer = PathIn("bad.xml");

    Click("BtnLoad");

    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, QMessageBox::Warning);
    EXPECT_TRUE(dialogs.messages[0].text.contains(QDir::toNativeSeparators(PathIn("bad.xml"))))
        << dialogs.messages[0].text.toStdString();
    EXPECT_TRUE(host.calls.empty());
    EXPECT_EQ(Snapshot(board), before);
    EXPECT_EQ(Lines(), lines);
}

INSTANTIATE_TEST_SUITE_P(
    Files, LoadingABadFile,
    testing::Values(BadLoad{"Truncated", "<?xml version=\"1.0\"?><Veltan PlayersPerTeam=\"1\""},
                    BadLoad{"NoVeltanGame", "<?xml version=\"1.0\"?><Chess/>"},
                    BadLoad{"ZeroPlayers", "<Veltan PlayersPerTeam=\"0\" MovesPerTeamTurn=\"1\" "
                                           "MovesPerPlayerTurn=\"1\" Increment=\"0:00:05\"/>"},
                    BadLoad{"DocumentType", "<!DOCTYPE Veltan><Veltan/>"}),
    [](const testing::TestParamInfo<BadLoad>& info) { return std::string(info.param.name); });

// The file dialog never asks about replacing a file: the window asks about
// the name it will write, suffix added, and only when that file exists.
struct TReplaceRow {
    const char* name;
    const char* typed;
    bool exists;
    bool yes;
    bool asked;
    bool written;
};

void PrintTo(const TReplaceRow& c, std::ostream* os)
{
    *os << c.name;
}

class ReplacingAFile : public MoveListFiles, public testing::WithParamInterface<TReplaceRow> {};

TEST_P(ReplacingAFile, AsksAboutTheNameWrittenAndKeepsTheFileOnNo)
{
    const TReplaceRow& row = GetParam();
    PlayGame(2);
    OpenWindow();
    const QByteArray before("an earlier game");
    if (row.exists) {
        ASSERT_TRUE(WriteBytes(PathIn("mine.xml"), before));
    }
    dialogs.saveAnswer = PathIn(row.typed);
    dialogs.yesAnswer = row.yes;

    Click("BtnSave");

    EXPECT_EQ(dialogs.questions.size(), row.asked ? 1u : 0u);
    if (row.asked) {
        EXPECT_TRUE(dialogs.questions[0].contains(QStringLiteral("mine.xml")));
    }
    QFile file(PathIn("mine.xml"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll() != before, row.written);
    EXPECT_TRUE(dialogs.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Rows, ReplacingAFile,
                         testing::Values(TReplaceRow{"NewName", "mine", false, false, false, true},
                                         TReplaceRow{"SuffixAddedNo", "mine", true, false, true, false},
                                         TReplaceRow{"SuffixAddedYes", "mine", true, true, true, true},
                                         TReplaceRow{"FullNameNo", "mine.xml", true, false, true, false}),
                         [](const testing::TestParamInfo<TReplaceRow>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(MoveListFiles, TheDialogsOpenWhereTheLastFileWasChosen)
{
    PlayGame(2);
    OpenWindow();
    QTemporaryDir other;
    ASSERT_TRUE(other.isValid());
    dialogs.saveAnswer = QDir(other.path()).filePath(QStringLiteral("mine.xml"));
    Click("BtnSave");
    EXPECT_EQ(host.folder, other.path());
    Click("BtnLoad");
    ASSERT_EQ(dialogs.openRequests.size(), 1u);
    EXPECT_EQ(dialogs.openRequests[0].dir, other.path());
}

} // namespace
