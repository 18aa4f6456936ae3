// Every running program keeps its own unfinished game, and a program that
// starts offers the ones no running program holds: newest first, each to
// resume or discard, never lost by leaving the offer.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QSysInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <optional>
#include <utility>

#include "appTestSupport.h"
#include "gameFileWriter.h"
#include "keptGames.h"
#include "keptGamesDialog.h"
#include "unfinishedGame.h"

namespace {

const QString ResumeQuestion = QStringLiteral("Resume the unfinished game?");

class KeptGames : public TMainWindowTest {
protected:
    static QString Folder() { return TUnfinishedGameFile::DefaultFolder(); }

    // The rows of the list of kept games the next start shows; the list is closed.
    std::vector<QString> OfferedRows()
    {
        std::vector<QString> rows;
        RunDialog = [&rows](QDialog& dialog) {
            if (const auto* const list = dialog.findChild<QListWidget*>(QStringLiteral("KeptGamesList")))
                for (int row = 0; row < list->count(); ++row)
                    rows.push_back(list->item(row)->text());
            return 0;
        };
        Reopen();
        return rows;
    }
};

// The number of moves a row of the offer names; -1 when it names none.
int RowMoves(const QString& row)
{
    static const QRegularExpression moves(QStringLiteral(", (\\d+) moves?, "));
    const QRegularExpressionMatch match = moves.match(row);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

std::vector<int> MovesOfRows(const std::vector<QString>& rows)
{
    std::vector<int> moves;
    for (const QString& row : rows)
        moves.push_back(RowMoves(row));
    return moves;
}

// The same, whatever the order: games written within the same millisecond
// may be listed either way.
std::vector<int> SortedMovesOfRows(const std::vector<QString>& rows)
{
    std::vector<int> moves = MovesOfRows(rows);
    std::sort(moves.begin(), moves.end());
    return moves;
}

// ---- Leaving the offer ---------------------------------------------------------

struct OfferCase {
    const char* name;
    TChoiceAnswer answer;
    bool resumed;
    bool keptForNextStart;
};

void PrintTo(const OfferCase& c, std::ostream* os)
{
    *os << c.name;
}

class KeptGameOffer : public KeptGames, public testing::WithParamInterface<OfferCase> {};

} // namespace

TEST_P(KeptGameOffer, AnswerDecidesWhatBecomesOfTheGame)
{
    const OfferCase c = GetParam();
    ASSERT_TRUE(PlayFirstLegalMoves(Window(), 1));
    const QString kept = Window().KeptGame().Path();
    dialogs.choice = c.answer;
    Reopen();
    ASSERT_EQ(dialogs.questions, std::vector<QString>{ResumeQuestion});
    EXPECT_EQ(Board().LastMove, c.resumed ? 1 : 0);
    // A resumed game goes on in its own file; any other start keeps its game in a new one.
    EXPECT_EQ(Window().KeptGame().Path() == kept, c.resumed);
    EXPECT_TRUE(Window().KeptGame().Claimed());

    dialogs.choice = TChoiceAnswer::First;
    Reopen();
    EXPECT_EQ(dialogs.questions.size(), c.keptForNextStart ? 2U : 1U);
    EXPECT_EQ(Board().LastMove, c.keptForNextStart ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Answers, KeptGameOffer,
                         testing::Values(OfferCase{"Resume", TChoiceAnswer::First, true, true},
                                         OfferCase{"NewGame", TChoiceAnswer::Second, false, false},
                                         OfferCase{"Dismissed", TChoiceAnswer::Dismissed, false, true}),
                         [](const testing::TestParamInfo<OfferCase>& info) {
                             return std::string(info.param.name);
                         });

// ---- Each program its own game -------------------------------------------------

TEST_F(KeptGames, TwoRunningProgramsKeepAGameEach)
{
    ASSERT_TRUE(PlayFirstLegalMoves(Window(), 1));
    const QString first = Window().KeptGame().Path();
    {
        TFrmVeltanBrd second;
        second.SetModalRunner([this](QDialog& dialog) { return RunDialog(dialog); });
        second.show();
        QCoreApplication::processEvents();
        // The first program's game is its own: not offered here.
        EXPECT_TRUE(dialogs.questions.empty());
        EXPECT_TRUE(second.KeptGame().Claimed());
        EXPECT_NE(second.KeptGame().Path(), first);
        ASSERT_TRUE(PlayFirstLegalMoves(second, 2));
        second.close();
    }
    ASSERT_TRUE(PlayFirstLegalMoves(Window(), 2));

    EXPECT_EQ(SortedMovesOfRows(OfferedRows()), (std::vector<int>{2, 3}));
}

TEST_F(KeptGames, AStartWithAGameFileKeepsItBesideTheKeptGame)
{
    ASSERT_TRUE(PlayFirstLegalMoves(Window(), 2));
    const QTemporaryDir folder;
    const QString named = folder.filePath(QStringLiteral("game.xml"));
    ASSERT_TRUE(SaveGameFile(named, Board(), QStringLiteral("2024-01-01-00-00-00")).done);
    ASSERT_TRUE(PlayFirstLegalMoves(Window(), 1));

    Reopen(named);
    EXPECT_TRUE(dialogs.questions.empty());
    ASSERT_EQ(Board().LastMove, 2);
    ASSERT_TRUE(PlayFirstLegalMoves(Window(), 2));

    EXPECT_EQ(SortedMovesOfRows(OfferedRows()), (std::vector<int>{3, 4}));
}

// ---- The list of kept games ----------------------------------------------------

namespace {

// A kept game written into the folder before the start: its name, its moves,
// how long ago it was written, and whether a running program holds it.
struct TStoredGame {
    const char* name;
    int moves;
    int hoursAgo;
    bool held;
};

} // namespace

TEST_F(KeptGames, TheOfferListsTheUnheldOnesNewestFirstTheOldSingleFileAmongThem)
{
    ASSERT_TRUE(PlayFirstLegalMoves(Window(), 5));
    const TGameFileContent played = GameFileContentOf(Board());
    const std::vector<TStoredGame> stored{
        {"unfinished-game", 1, 3, false}, // as earlier versions kept their one game
        {"unfinished-game-b", 2, 1, false},
        {"unfinished-game-c", 3, 2, false},
        {"unfinished-game-d", 4, 0, true}, // newest, but its program runs
    };
    std::vector<std::unique_ptr<TUnfinishedGameFile>> running;
    for (const TStoredGame& game : stored) {
        auto file = std::make_unique<TUnfinishedGameFile>(Folder(), QString::fromLatin1(game.name));
        ASSERT_TRUE(file->Claim());
        TGameFileContent content = played;
        content.moves.resize(static_cast<std::size_t>(game.moves));
        file->Save(content, {});
        file->Flush();
        QFile written(file->Path());
        ASSERT_TRUE(written.open(QIODevice::ReadWrite));
        ASSERT_TRUE(written.setFileTime(QDateTime::currentDateTime().addSecs(-3600 * game.hoursAgo - 60),
                                        QFileDevice::FileModificationTime));
        if (game.held)
            running.push_back(std::move(file));
    }

    // This window's own game (5 moves) is kept as it closes: the newest of all.
    const std::vector<QString> rows = OfferedRows();
    EXPECT_EQ(MovesOfRows(rows), (std::vector<int>{5, 2, 3, 1}));
    ASSERT_FALSE(rows.empty());
    ASSERT_GT(played.settings.MovesPerTeamTurn, 1);
    EXPECT_TRUE(rows.front().contains(QStringLiteral(", %1 moves per team turn, %2 player")
                                          .arg(played.settings.MovesPerTeamTurn)
                                          .arg(played.settings.PlayersPerTeam)))
        << rows.front().toStdString();
}

TEST_F(KeptGames, TheListResumesOneAndDiscardsOthersAndKeepsTheRest)
{
    // Three programs' games: 1, 2 and 3 moves, the last written newest.
    for (int moves = 1; moves <= 3; ++moves) {
        ASSERT_TRUE(PlayFirstLegalMoves(Window(), moves));
        dialogs.choice = TChoiceAnswer::Dismissed;
        RunDialog = [](QDialog&) { return 0; };
        Reopen();
    }
    // Discard the game of 2 moves, resume the one of 1.
    RunDialog = [](QDialog& dialog) {
        auto* const list = dialog.findChild<QListWidget*>(QStringLiteral("KeptGamesList"));
        auto* const discard = dialog.findChild<QPushButton*>(QStringLiteral("BtnDiscard"));
        auto* const resume = dialog.findChild<QPushButton*>(QStringLiteral("BtnResume"));
        if (list == nullptr || discard == nullptr || resume == nullptr)
            return 0;
        for (const auto& [moves, button] : {std::pair{2, discard}, {1, resume}})
            for (int row = 0; row < list->count(); ++row)
                if (RowMoves(list->item(row)->text()) == moves) {
                    list->setCurrentRow(row);
                    button->click();
                    break;
                }
        return dialog.result();
    };
    Reopen();
    EXPECT_EQ(Board().LastMove, 1);

    EXPECT_EQ(SortedMovesOfRows(OfferedRows()), (std::vector<int>{1, 3}));
}

// ---- Programs that end or start at once ----------------------------------------

namespace {

struct LockCase {
    const char* name; // the kept game's name in the folder
};

void PrintTo(const LockCase& c, std::ostream* os)
{
    *os << c.name;
}

class KeptGameOfAProgramGone : public testing::TestWithParam<LockCase> {};

} // namespace

TEST_P(KeptGameOfAProgramGone, IsClaimedByOneStartingProgramOnly)
{
    const QTemporaryDir folder;
    const QString name = QString::fromLatin1(GetParam().name);
    {
        TUnfinishedGameFile killed(folder.path(), name);
        ASSERT_TRUE(killed.Claim());
        TGameFileContent game;
        game.moves.resize(1);
        game.moves.front().position = std::string(SquareCount, ' ');
        game.moves.front().players = std::string(SquareCount, '0');
        killed.Save(game, {});
    }
    // What a program killed outright leaves: its lock, of a process that is gone.
    QFile lock(QDir(folder.path()).filePath(name + QStringLiteral(".lock")));
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write("2147483646\nveltan\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    lock.close();

    const TFoundKeptGames first = ClaimUnclaimedKeptGames(folder.path());
    ASSERT_EQ(first.games.size(), 1U);
    EXPECT_TRUE(first.damaged.empty());
    // A program started while the first one offers the game finds nothing to offer.
    EXPECT_TRUE(ClaimUnclaimedKeptGames(folder.path()).games.empty());
}

INSTANTIATE_TEST_SUITE_P(Names, KeptGameOfAProgramGone,
                         testing::Values(LockCase{"unfinished-game"},
                                         LockCase{"unfinished-game-20240101-abc"}),
                         [](const testing::TestParamInfo<LockCase>& info) {
                             return info.index == 0 ? std::string("SingleFileOfEarlierVersions")
                                                    : std::string("FileOfItsOwn");
                         });
