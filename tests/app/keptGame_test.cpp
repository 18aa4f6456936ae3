// The unfinished game: kept after every move and on close, offered and
// restored at the next start, set aside when damaged, guarded by a lock, and
// never given up for another game without the player's word.

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSysInfo>
#include <QTemporaryDir>

#include "VeltanMoveList.h"
#include "appTestSupport.h"
#include "computerLevels.h"
#include "gameFileWriter.h"
#include "unfinishedGame.h"

namespace {

const QString ResumeQuestion = QStringLiteral("Resume the unfinished game?");
const QString AbandonText = QStringLiteral("Abandon the game in progress?");

class KeptGame : public TMainWindowTest {
protected:
    QString KeptPath() { return Window().KeptGame().Path(); }
    bool KeptExists()
    {
        Window().KeptGame().Flush();
        return QFile::exists(KeptPath());
    }
};

} // namespace

TEST_F(KeptGame, IsWrittenAfterAMoveAndRestoredStoppedAtTheNextStart)
{
    PlayMoves(3);
    ASSERT_TRUE(KeptExists());
    Window().StartStop();
    Board().SetComputerPlaysBlack(true);
    ApplyComputerLevel(Board(), QStringLiteral("strength2"));
    const std::vector<MoveInfo> records(Board().MoveList.begin(), Board().MoveList.begin() + 4);
    const double white = Board().TimeLeftWhite(), black = Board().TimeLeftBlack();
    const bool whiteToMove = Board().WhiteToMove();

    Reopen();
    ASSERT_EQ(dialogs.questions, std::vector<QString>{ResumeQuestion});
    ASSERT_EQ(Board().LastMove, 3);
    for (std::size_t n = 0; n < records.size(); ++n) {
        EXPECT_EQ(Board().MoveList[n].position, records[n].position) << n;
        EXPECT_EQ(Board().MoveList[n].OldSquare, records[n].OldSquare) << n;
        EXPECT_EQ(Board().MoveList[n].NewSquare, records[n].NewSquare) << n;
    }
    EXPECT_EQ(Board().WhiteToMove(), whiteToMove);
    EXPECT_NEAR(Board().TimeLeftWhite(), white, 1e-8);
    EXPECT_NEAR(Board().TimeLeftBlack(), black, 1e-8);
    EXPECT_TRUE(Board().ComputerPlaysBlack());
    EXPECT_FALSE(Board().ComputerPlaysWhite());
    EXPECT_EQ(CurrentComputerLevel(Board()).key, QStringLiteral("strength2"));
    EXPECT_TRUE(Board().GameEnded());
    EXPECT_FALSE(Window().ClockRunning());
    EXPECT_TRUE(Status().endsWith(QStringLiteral("(Game stopped)")));
}

TEST_F(KeptGame, NewGameAtTheOfferRemovesItAndAnEndedGameIsNotKept)
{
    PlayMoves(1);
    ASSERT_TRUE(KeptExists());
    dialogs.choice = TChoiceAnswer::Second;
    Reopen();
    EXPECT_EQ(Board().LastMove, 0);
    EXPECT_FALSE(KeptExists());

    PlayMoves(1);
    ASSERT_TRUE(KeptExists());
    Board().LoseOnTime(true);
    DeliverNotices();
    EXPECT_FALSE(KeptExists());
}

TEST_F(KeptGame, ADamagedFileIsReportedInOneLineAndSetAside)
{
    PlayMoves(1);
    ASSERT_TRUE(KeptExists());
    const QString path = KeptPath();
    Reopen();
    Window().close();
    QFile damaged(path);
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("<Veltan PlayersPerTeam=\"3\"");
    damaged.close();

    Reopen();
    EXPECT_EQ(Board().LastMove, 0);
    ASSERT_EQ(dialogs.messages.size(), 1U);
    EXPECT_FALSE(dialogs.messages.front().text.contains(QLatin1Char('\n')));
    EXPECT_FALSE(QFile::exists(path));
    const QStringList aside =
        QFileInfo(path).dir().entryList({QFileInfo(path).fileName() + QStringLiteral(".damaged-*")});
    ASSERT_EQ(aside.size(), 1);
    EXPECT_TRUE(dialogs.messages.front().text.contains(aside.front()));
}

TEST(KeptGameLock, ALockLeftByAKilledProgramIsTakenOver)
{
    const QTemporaryDir folder;
    QFile lock(QDir(folder.path()).filePath(QStringLiteral("unfinished-game.lock")));
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write("2147483646\nveltan\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    lock.close();
    TUnfinishedGameFile kept(folder.path());
    EXPECT_TRUE(kept.Claim());
    TUnfinishedGameFile second(folder.path());
    EXPECT_FALSE(second.Claim());
}

// ---- The abandon question ---------------------------------------------------

namespace {

struct AbandonCase {
    const char* name;
    bool answer;
};

void PrintTo(const AbandonCase& c, std::ostream* os)
{
    *os << c.name;
}

class AbandonQuestion : public KeptGame, public testing::WithParamInterface<AbandonCase> {};

} // namespace

// The options dialog's question has its own table (gameOptions_test.cpp).
TEST_P(AbandonQuestion, ComesBeforeTheMoveListLoadsOverAnUnsavedUnfinishedGame)
{
    const AbandonCase c = GetParam();
    PlayMoves(2);
    Window().StartStop();
    dialogs.yes = c.answer;
    RunDialog = [](QDialog& dialog) {
        if (auto* const push = dialog.findChild<QPushButton*>(QStringLiteral("BtnLoad")))
            push->click();
        return dialog.result();
    };
    PressCtrl(Qt::Key_M);
    EXPECT_EQ(dialogs.questions, std::vector<QString>{AbandonText});
    EXPECT_EQ(dialogs.openDialogs, c.answer ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, AbandonQuestion,
                         testing::Values(AbandonCase{"LoadYes", true}, AbandonCase{"LoadNo", false}),
                         [](const testing::TestParamInfo<AbandonCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(KeptGame, ASavedOrFreshGameIsReplacedWithoutAQuestion)
{
    EXPECT_TRUE(Window().MayReplaceGame());
    PlayMoves(2);
    Window().GameKeptInFile();
    EXPECT_TRUE(Window().MayReplaceGame());
    EXPECT_TRUE(dialogs.questions.empty());
}

// ---- A game file named on the command line ------------------------------------

TEST_F(KeptGame, ACommandLineFileIsLoadedInsteadOfTheOfferAndKeptBesideTheKeptGame)
{
    PlayMoves(2);
    const QTemporaryDir folder;
    const QString named = folder.filePath(QStringLiteral("game.xml"));
    ASSERT_TRUE(SaveGameFile(named, Board(), QStringLiteral("2024-01-01-00-00-00")).done);
    PlayMoves(1);
    ASSERT_TRUE(KeptExists());
    const QString kept = KeptPath();

    Reopen(named);
    EXPECT_TRUE(dialogs.questions.empty());
    EXPECT_EQ(Board().LastMove, 2);
    EXPECT_TRUE(QFile::exists(kept));
    EXPECT_NE(KeptPath(), kept);
    EXPECT_TRUE(KeptExists());
}

TEST_F(KeptGame, ABadCommandLineFileGetsTheLoadersMessageAndTheOfferFollows)
{
    PlayMoves(1);
    ASSERT_TRUE(KeptExists());
    const QTemporaryDir folder;
    const QString named = folder.filePath(QStringLiteral("bad.xml"));
    QFile bad(named);
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("not a game");
    bad.close();

    Reopen(named);
    ASSERT_EQ(dialogs.messages.size(), 1U);
    EXPECT_TRUE(dialogs.messages.front().text.contains(QStringLiteral("bad.xml")));
    EXPECT_EQ(dialogs.questions, std::vector<QString>{ResumeQuestion});
    EXPECT_EQ(Board().LastMove, 1);
}
