// Another program as the computer player, through the window's menu: a
// scripted engine that plays, crashes, cheats, keeps silent, answers late,
// refuses the game or thinks until told to move; a game it could not follow,
// which it is never sent; and what its search reports are taken to say.

#include <QAction>
#include <QElapsedTimer>
#include <QTest>
#include <functional>

#include "appTestSupport.h"
#include "infoLine.h"
#include "moveText.h"
#include "refereeGame.h"
#include "settingsKeys.h"

namespace {

constexpr int DeadlineMs = 12'000;
// Longer than the late engine's delay: its answer has come by then.
constexpr int LateAnswerWaitMs = 2'500;
// The engine has been asked by then, and is still thinking.
constexpr int StopAfterMs = 300;

struct TEngineCase {
    const char* name;
    const char* mode;    // VELTAN_FAKE_ENGINE
    const char* program; // nullptr: the fake engine
    double whiteTime;    // White's clock in clock steps at the start; 0: as set up
    bool stopAfterStart; // the user stops the game while the engine thinks
    const char* message; // the one message expected, a part of it; nullptr: none
    int movesPlayed;     // records on the board at the end
    bool engineKept;     // "Program…" still chosen at the end; else the built-in engine plays
};

void PrintTo(const TEngineCase& c, std::ostream* os)
{
    *os << c.name;
}

class EngineWindow : public TMainWindowTest {
protected:
    bool WaitFor(const std::function<bool()>& done)
    {
        QElapsedTimer clock;
        clock.start();
        while (!done() && clock.elapsed() < DeadlineMs)
            QTest::qWait(5);
        return done();
    }
};

class ExternalEngine : public EngineWindow, public ::testing::WithParamInterface<TEngineCase> {};

TEST_P(ExternalEngine, PlaysOrGivesWayToTheBuiltInEngine)
{
    const TEngineCase& row = GetParam();
    // Kings and a few pawns, two moves a team turn: a good engine is asked twice in a row.
    SetUpPosition({{H01, 'K'}, {G02, 'P'}, {H02, 'P'}, {H16, 'k'}, {G15, 'p'}, {H15, 'p'}}, 2);
    Board().SetAnimateMoves(false);
    Action(QStringLiteral("Computer plays White")).trigger();
    Action(QStringLiteral("About 0.5 seconds a move")).trigger();
    if (row.whiteTime > 0)
        Board().SetTimeLeftWhite(row.whiteTime * ClockStep);

    qputenv("VELTAN_FAKE_ENGINE", row.mode);
    dialogs.openFileName =
        row.program != nullptr ? QString::fromLatin1(row.program) : QStringLiteral(FAKE_ENGINE_PATH);
    QAction& program = Action(QString::fromUtf8("Program…"));
    program.trigger();
    ASSERT_TRUE(program.isChecked());
    PressCtrl(Qt::Key_S);

    if (row.stopAfterStart) {
        QTest::qWait(StopAfterMs);
        PressCtrl(Qt::Key_S);
    }
    if (row.message != nullptr) {
        EXPECT_TRUE(WaitFor([&] { return !dialogs.messages.empty(); }));
    } else if (row.movesPlayed > 0) {
        EXPECT_TRUE(WaitFor([&] { return Board().LastMove >= row.movesPlayed; }));
    }
    // A late answer has come by now and must have changed nothing.
    if (QByteArray(row.mode) == "late")
        QTest::qWait(LateAnswerWaitMs);
    DeliverNotices();

    EXPECT_EQ(Board().LastMove, row.movesPlayed);
    EXPECT_EQ(program.isChecked(), row.engineKept);
    EXPECT_EQ(Action(QStringLiteral("Built-in")).isChecked(), !row.engineKept);
    EXPECT_EQ(Board().HostPlaysComputer(), row.engineKept);
    // A failure sets the program aside for this run only: it stays the choice.
    EXPECT_EQ(TSettingsStore().Read(settingkeys::Engine), dialogs.openFileName);
    EXPECT_EQ(program.text().endsWith(QStringLiteral(" unavailable)")), !row.engineKept)
        << program.text().toStdString();
    if (row.message == nullptr) {
        EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messages.front().text.toStdString();
        return;
    }
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages.front().text.contains(QString::fromLatin1(row.message)))
        << dialogs.messages.front().text.toStdString();
    // The game is kept, and stopped.
    EXPECT_TRUE(Board().GameEnded());
    EXPECT_FALSE(Window().ClockRunning());
}

const TEngineCase Cases[] = {
    {"Good", "good", nullptr, 0, false, nullptr, 2, true},
    {"Crashing", "crash", nullptr, 0, false, "stopped working", 0, false},
    {"IllegalMove", "illegal", nullptr, 0, false, "does not allow (A16P01)", 0, false},
    {"Silent", "silent", nullptr, 0, false, "did not answer in time", 0, false},
    {"NotStarting", "good", "/nonexistent/veltan-engine", 0, false, "could not be started", 0, false},
    {"RefusingThePosition", "refuse", nullptr, 0, false, "refused the game it was sent (move 1: not legal)",
     0, false},
    {"LateAfterStop", "late", nullptr, 0, true, nullptr, 0, true},
    {"LateAfterFlagFall", "late", nullptr, 3, false, "White lost on time!", 0, true},
};

INSTANTIATE_TEST_SUITE_P(Behaviours, ExternalEngine, ::testing::ValuesIn(Cases),
                         [](const ::testing::TestParamInfo<TEngineCase>& info) { return info.param.name; });

TEST_F(EngineWindow, MoveNowStopsTheProgramAndPlaysItsAnswer)
{
    SetUpPosition({{H01, 'K'}, {G02, 'P'}, {H16, 'k'}, {G15, 'p'}});
    Board().SetAnimateMoves(false);
    Action(QStringLiteral("Computer plays White")).trigger();
    // The program answers only a `stop`: without one the level's time runs out and it fails.
    Action(QStringLiteral("About 0.5 seconds a move")).trigger();
    qputenv("VELTAN_FAKE_ENGINE", "thinking");
    dialogs.openFileName = QStringLiteral(FAKE_ENGINE_PATH);
    Action(QString::fromUtf8("Program…")).trigger();
    PressCtrl(Qt::Key_S);
    QLabel& line = Label("LblComputerThinking");
    ASSERT_TRUE(WaitFor([&] { return line.text().contains(QStringLiteral("depth 3")); }));
    const QString shown = line.text();

    PressCtrl(Qt::Key_Return);
    ASSERT_TRUE(WaitFor([&] { return Board().LastMove == 1; }));
    DeliverNotices();
    const MoveInfo& played = Board().MoveList[1];
    const QString move = QString::fromStdString(TVeltanBrdKernel::SquareToString(played.OldSquare) + "-" +
                                                TVeltanBrdKernel::SquareToString(played.NewSquare));
    EXPECT_TRUE(shown.startsWith(QStringLiteral("The computer thinks: depth 3, best so far %1, ").arg(move)))
        << shown.toStdString();
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messages.front().text.toStdString();
    EXPECT_TRUE(Board().HostPlaysComputer());
}

// ---- A game the program could not follow ------------------------------------------

struct THistoryCase {
    const char* name;
    Square playedFrom; // the move made on the board
    Square playedTo;
    Square recordedFrom; // the squares its record names, as an old game file may have them
    Square recordedTo;
    const char* problem; // a part of the one message
};

void PrintTo(const THistoryCase& c, std::ostream* os)
{
    *os << c.name;
}

class UnfollowableGame : public EngineWindow, public ::testing::WithParamInterface<THistoryCase> {};

TEST_P(UnfollowableGame, IsNotSentAndTheBuiltInEnginePlaysIt)
{
    const THistoryCase& row = GetParam();
    SetUpPosition({{H01, 'K'}, {G02, 'P'}, {H02, 'P'}, {H16, 'k'}, {G15, 'p'}, {H15, 'p'}});
    Board().SetAnimateMoves(false);
    // White's move as a loaded game holds it: the position after it, and squares that may not fit.
    TVeltanBrdKernel played;
    StartRefereedGame(played, Board().MoveList[0].position, Board().MoveList[0].players, TTurnRules{1, 1});
    ASSERT_EQ(PlayRefereedMove(played, {row.playedFrom, row.playedTo}), "");
    MoveInfo record = played.MoveList[1];
    record.OldSquare = row.recordedFrom;
    record.NewSquare = row.recordedTo;
    record.TimeLeft = Board().TimeLeftWhite();
    Board().LoadMove(1, record);
    ASSERT_TRUE(Board().GotoMove(1));
    Action(QStringLiteral("Computer plays Black")).trigger();
    Action(QStringLiteral("About 0.5 seconds a move")).trigger();
    qputenv("VELTAN_FAKE_ENGINE", "good");
    dialogs.openFileName = QStringLiteral(FAKE_ENGINE_PATH);
    Action(QString::fromUtf8("Program…")).trigger();

    PressCtrl(Qt::Key_S);
    ASSERT_TRUE(WaitFor([&] { return !dialogs.messages.empty(); }));
    DeliverNotices();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    const QString& message = dialogs.messages.front().text;
    EXPECT_TRUE(message.contains(QStringLiteral("cannot be told to the engine program")) &&
                message.contains(QString::fromLatin1(row.problem)))
        << message.toStdString();
    EXPECT_EQ(Board().LastMove, 1);
    EXPECT_FALSE(Board().HostPlaysComputer());
    EXPECT_EQ(TSettingsStore().Read(settingkeys::Engine), QStringLiteral(FAKE_ENGINE_PATH));

    PressCtrl(Qt::Key_S);
    EXPECT_TRUE(WaitFor([&] { return Board().LastMove == 2; }));
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

const THistoryCase HistoryCases[] = {
    {"RecordWithoutSquares", G02, G03, SqrNone, SqrNone, "move 1 does not say which piece moved where"},
    {"RecordOfNoMove", G02, G03, A01, A02, "move 1 (A01A02): not a legal move for White"},
    {"RecordOfAnotherMove", H02, H03, G02, G03, "the moves lead to another position than the one shown"},
};

INSTANTIATE_TEST_SUITE_P(Records, UnfollowableGame, ::testing::ValuesIn(HistoryCases),
                         [](const ::testing::TestParamInfo<THistoryCase>& info) { return info.param.name; });

// ---- What a search report says ----------------------------------------------------

struct TInfoCase {
    const char* name;
    const char* line;
    int depth;        // 0: the line says nothing to show
    const char* move; // the first move of its line of play
};

void PrintTo(const TInfoCase& c, std::ostream* os)
{
    *os << c.name;
}

class InfoLines : public ::testing::TestWithParam<TInfoCase> {};

TEST_P(InfoLines, GiveDepthAndFirstMoveOrNothing)
{
    const TInfoCase& row = GetParam();
    const std::optional<TInfoLine> read = ReadInfoLine(row.line);
    ASSERT_EQ(read.has_value(), row.depth > 0);
    if (!read)
        return;
    EXPECT_EQ(read->depth, row.depth);
    EXPECT_EQ(MoveText(read->from, read->to), row.move);
}

const TInfoCase InfoCases[] = {
    {"Full", "info depth 4 score cp 8 nodes 32272 nps 210928 time 153 pv D16E12 M01L05", 4, "D16E12"},
    {"OtherOrderAndOwnFields", "info seldepth 12 pv E15E16n hashfull 3 depth 2\r", 2, "E15E16"},
    {"NoPv", "info depth 1 score cp 0", 0, ""},
    {"EmptyPv", "info depth 5 score cp 3 pv", 0, ""},
    {"NoDepth", "info score cp 3 pv A02A03", 0, ""},
    {"DepthWithoutNumber", "info depth pv A02A03", 0, ""},
    {"DepthZero", "info depth 0 pv A02A03", 0, ""},
    {"DepthTooLarge", "info depth 99999999999999999999 pv A02A03", 0, ""},
    {"MoveOffTheBoard", "info depth 3 pv Q01A01", 0, ""},
    {"NotAscii", "info depth 3 pv \xff\xfe\x80", 0, ""},
    {"FreeText", "info string depth 3 pv A02A03", 0, ""},
    {"CutInAWord", "info dep", 0, ""},
};

INSTANTIATE_TEST_SUITE_P(Reports, InfoLines, ::testing::ValuesIn(InfoCases),
                         [](const ::testing::TestParamInfo<TInfoCase>& info) { return info.param.name; });

} // namespace
