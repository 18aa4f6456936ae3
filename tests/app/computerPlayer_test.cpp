// The computer player as the user meets it: chosen from the menu between
// games, answering moves on its own, stopped by the window's commands.

#include <QAction>
#include <QElapsedTimer>
#include <QMenu>
#include <QTest>

#include "appTestSupport.h"
#include "computerLevels.h"

namespace {

constexpr int GameDeadlineMs = 20'000;
constexpr int AnswerDeadlineMs = 20'000;

class ComputerPlayer : public TMainWindowTest {
protected:
    /// Events are handled until `done` holds or the deadline passes.
    template <typename Done> bool WaitFor(Done done, int deadlineMs)
    {
        QElapsedTimer clock;
        clock.start();
        while (!done() && clock.elapsed() < deadlineMs)
            QTest::qWait(5);
        return done();
    }

    // Kings on their own with a few pawns: a game the computer finishes quickly.
    void SmallGame(int movesPerTeamTurn = 1)
    {
        SetUpPosition(
            {{H01, 'K'}, {G02, 'P'}, {H02, 'P'}, {D04, 'R'}, {H16, 'k'}, {G15, 'p'}, {H15, 'p'}, {M13, 'r'}},
            movesPerTeamTurn);
        Board().SetAnimateMoves(false);
    }
};

TEST_F(ComputerPlayer, MenuChoicesReachTheBoardOnlyBetweenGames)
{
    struct Row {
        const char* command;
        const char* menu; // the submenu that holds a level
        bool white, black;
        const char* level; // the key of the level in force afterwards
    };
    const Row rows[] = {
        {"Computer plays White", nullptr, true, false, "strength3"}, // the default level
        {"Computer plays Black", nullptr, true, true, "strength3"},
        {"Depth 3", "Advanced", true, true, "depth3"},
        {"Beginner", "Computer level", true, true, "strength1"},
        {"About 10 seconds a move", "Advanced", true, true, "10s"},
        {"Computer plays White", nullptr, false, true, "10s"},
        {"Strongest", "Computer level", false, true, "strength8"},
        {"By the team's clock", "Advanced", false, true, "clock"},
        {"About 0.5 seconds a move", "Advanced", false, true, "0.5s"},
        {"Depth 8", "Advanced", false, true, "depth8"},
    };
    for (const Row& row : rows) {
        QAction& action = Action(QString::fromLatin1(row.command));
        ASSERT_TRUE(action.isEnabled()) << row.command;
        if (row.menu != nullptr) {
            const auto* const menu = qobject_cast<const QMenu*>(action.parent());
            ASSERT_NE(menu, nullptr) << row.command;
            EXPECT_EQ(menu->title().toStdString(), row.menu) << row.command;
        }
        action.trigger();
        EXPECT_EQ(Board().ComputerPlaysWhite(), row.white) << row.command;
        EXPECT_EQ(Board().ComputerPlaysBlack(), row.black) << row.command;
        EXPECT_EQ(CurrentComputerLevel(Board()).key.toStdString(), row.level) << row.command;
        EXPECT_EQ(Action(QStringLiteral("Computer plays White")).isChecked(), row.white);
        EXPECT_EQ(Action(QStringLiteral("Computer plays Black")).isChecked(), row.black);
    }
    // The levels' board settings: a strength step, a fixed time, the clock, a depth.
    ASSERT_TRUE(ApplyComputerLevel(Board(), QStringLiteral("strength2")));
    EXPECT_EQ(Board().ComputerStrength(), 2);
    ASSERT_TRUE(ApplyComputerLevel(Board(), QStringLiteral("0.5s")));
    EXPECT_EQ(Board().ComputerStrength(), 0);
    EXPECT_EQ(Board().ComputerMoveTime(), std::chrono::milliseconds(500));
    EXPECT_FALSE(Board().ComputerUsesClock());
    ASSERT_TRUE(ApplyComputerLevel(Board(), QStringLiteral("depth5")));
    EXPECT_EQ(Board().ComputerMoveTime(), std::chrono::milliseconds(0));
    EXPECT_EQ(Board().SearchDepth(), 5);
    EXPECT_FALSE(ApplyComputerLevel(Board(), QStringLiteral("depth9")));
    EXPECT_EQ(CurrentComputerLevel(Board()).key, QStringLiteral("depth5"));

    Action(QStringLiteral("Computer plays Black")).trigger(); // nobody is computer now
    PressCtrl(Qt::Key_S);
    for (const char* command : {"Computer plays White", "Computer plays Black", "Depth 2"})
        EXPECT_FALSE(Action(QString::fromLatin1(command)).isEnabled()) << command << " during play";
    PressCtrl(Qt::Key_S);
    EXPECT_TRUE(Action(QStringLiteral("Computer plays White")).isEnabled()) << "stopped again";
}

TEST_F(ComputerPlayer, MoveNowPlaysTheBestMoveSoFar)
{
    SmallGame();
    Action(QStringLiteral("Computer plays Black")).trigger();
    Action(QStringLiteral("About 10 seconds a move")).trigger();
    PressCtrl(Qt::Key_S);
    Drag(G02, G03);
    ASSERT_TRUE(Board().Thinking());
    ASSERT_TRUE(WaitFor([&] { return Board().ThinkingProgress().elapsed.count() > 100; }, AnswerDeadlineMs));
    QElapsedTimer waited;
    waited.start();
    PressCtrl(Qt::Key_Return);
    ASSERT_TRUE(WaitFor([&] { return Board().LastMove == 2; }, AnswerDeadlineMs));
    EXPECT_LT(waited.elapsed(), 5000) << "well before the level's ten seconds";
    EXPECT_TRUE(Board().WhiteToMove());
    EXPECT_FALSE(Board().Thinking());
}

TEST_F(ComputerPlayer, SuggestAMoveMarksItAndNeverMovesAPiece)
{
    SmallGame();
    PressCtrl(Qt::Key_S);
    const std::string before = Board().position();
    PressCtrl(Qt::Key_H);
    ASSERT_TRUE(WaitFor([&] { return Board().Suggestion().first != SqrNone; }, AnswerDeadlineMs));
    const auto [from, to] = Board().Suggestion();
    EXPECT_TRUE(Board().MoveIsLegal(from, to));
    EXPECT_EQ(Board().position(), before);
    EXPECT_EQ(Board().LastMove, 0);
    QTest::qWait(300);
    EXPECT_TRUE(Label("LblComputerThinking").text().startsWith(QStringLiteral("Suggested move: ")))
        << Label("LblComputerThinking").text().toStdString();
    // The board's picture shows the frame on the from-square's edge.
    const QImage shown = Board().grab().toImage();
    const QRect square = Board().Geometry().SquareRect(from);
    EXPECT_EQ(shown.pixelColor(square.topLeft() + QPoint(2, square.height() / 2)), QColor(255, 140, 0));
    // The next move takes the suggestion away.
    ASSERT_TRUE(Board().move(from, to));
    EXPECT_EQ(Board().Suggestion().first, SqrNone);
}

TEST_F(ComputerPlayer, AnswersTheHumansMove)
{
    // A weak step's answer waits a moment on a timer, a full search's comes when found.
    for (const char* level : {"Depth 2", "Beginner"}) {
        if (!Board().GameEnded())
            PressCtrl(Qt::Key_S);
        SmallGame();
        if (!Board().ComputerPlaysBlack())
            Action(QStringLiteral("Computer plays Black")).trigger();
        Action(QString::fromLatin1(level)).trigger();
        PressCtrl(Qt::Key_S);
        ASSERT_FALSE(Board().Thinking()) << "White, the human, is to move";

        Drag(G02, G03);
        ASSERT_EQ(Board().LastMove, 1) << level;
        ASSERT_TRUE(WaitFor([&] { return Board().LastMove == 2; }, AnswerDeadlineMs)) << level;
        EXPECT_TRUE(Board().WhiteToMove()) << level;
        EXPECT_FALSE(Board().Thinking()) << level;
        EXPECT_TRUE(Window().ClockRunning()) << level;
        std::string why;
        EXPECT_TRUE(Board().CheckConsistency(why)) << level << ": " << why;
    }
}

TEST_F(ComputerPlayer, ComputerAgainstComputerPlaysAGameToItsEnd)
{
    // Black's king is walled in by its own pawns. With one move a turn,
    // White's queen on the 16th rank wins whatever Black does; with two,
    // White's bishop clears the rank and the rook takes the king at once.
    const std::vector<TPlaced> queenHunt{{H01, 'K'}, {D01, 'Q'}, {A01, 'R'}, {G02, 'P'}, {H02, 'P'},
                                         {A16, 'k'}, {A15, 'p'}, {B15, 'p'}, {H13, 'p'}};
    const std::vector<TPlaced> openedRank{{H01, 'K'}, {P16, 'R'}, {H16, 'B'}, {G02, 'P'}, {H02, 'P'},
                                          {A16, 'k'}, {A15, 'p'}, {B15, 'p'}, {H13, 'p'}};
    struct Row {
        const std::vector<TPlaced>* pieces;
        int movesPerTeamTurn;
        const char* level;
        int movesAtLeast;
    };
    constexpr double TwentySeconds = 20.0 / 86'400.0;
    for (const Row row : {Row{&queenHunt, 1, "Depth 2", 3}, Row{&queenHunt, 1, "By the team's clock", 3},
                          Row{&openedRank, 2, "Depth 2", 2}, Row{&openedRank, 2, "By the team's clock", 2}}) {
        SetUpPosition(*row.pieces, row.movesPerTeamTurn);
        Board().SetAnimateMoves(false);
        Board().SetTimeLeftWhite(TwentySeconds);
        Board().SetTimeLeftBlack(TwentySeconds);
        dialogs.messages.clear();
        if (!Board().ComputerPlaysWhite())
            Action(QStringLiteral("Computer plays White")).trigger();
        if (!Board().ComputerPlaysBlack())
            Action(QStringLiteral("Computer plays Black")).trigger();
        Action(QString::fromLatin1(row.level)).trigger();
        PressCtrl(Qt::Key_S);

        ASSERT_TRUE(WaitFor([&] { return Board().GameEnded(); }, GameDeadlineMs))
            << row.level << ": " << Board().LastMove << " moves made, thinking " << Board().Thinking();
        DeliverNotices();
        EXPECT_GE(Board().LastMove, row.movesAtLeast) << row.level;
        EXPECT_FALSE(Window().ClockRunning());
        EXPECT_EQ(dialogs.Texts(), std::vector<QString>{QStringLiteral("White has won!")}) << row.level;
        EXPECT_GT(Board().TimeLeftBlack(), 0.0) << "the computer does not lose on time";
        // Nothing more happens on an ended game.
        const int lastMove = Board().LastMove;
        QTest::qWait(600);
        EXPECT_EQ(Board().LastMove, lastMove);
        EXPECT_FALSE(Board().Thinking());
    }
}

// Every way of leaving the position the computer thinks about stops it at
// once, and no move arrives afterwards.
TEST_F(ComputerPlayer, StoppingPlayCancelsTheSearch)
{
    enum class Leave { StartStop, CloseWindow, JumpBack };
    for (const Leave leave : {Leave::StartStop, Leave::CloseWindow, Leave::JumpBack}) {
        if (!Window().isVisible()) {
            Window().show();
            Window().activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&Window()));
        }
        if (!Board().GameEnded())
            PressCtrl(Qt::Key_S);
        SmallGame();
        if (!Board().ComputerPlaysBlack())
            Action(QStringLiteral("Computer plays Black")).trigger();
        Action(QStringLiteral("By the team's clock")).trigger();
        Board().SetTimeLeftBlack(1.0); // a day: the search would take minutes
        PressCtrl(Qt::Key_S);
        Drag(G02, G03);
        ASSERT_TRUE(Board().Thinking());

        switch (leave) {
        case Leave::StartStop:
            PressCtrl(Qt::Key_S);
            break;
        case Leave::CloseWindow:
            Window().close();
            break;
        case Leave::JumpBack:
            Board().GotoMove(0);
            break;
        }
        EXPECT_FALSE(Board().Thinking());
        QTest::qWait(600);
        EXPECT_EQ(Board().LastMove, leave == Leave::JumpBack ? 0 : 1);
        EXPECT_FALSE(Board().Thinking()) << "the computer stays stopped";
    }
}

TEST_F(ComputerPlayer, DropsAreRefusedWhileTheComputerThinks)
{
    SmallGame();
    Action(QStringLiteral("Computer plays Black")).trigger();
    Action(QStringLiteral("By the team's clock")).trigger();
    Board().SetTimeLeftBlack(1.0);
    PressCtrl(Qt::Key_S);
    Drag(G02, G03);
    ASSERT_TRUE(Board().Thinking());
    Drag(H15, H14);
    EXPECT_EQ(Board().LastMove, 1);
    EXPECT_EQ(Board().PieceOn(H15), 'p');
    PressCtrl(Qt::Key_S);
}

} // namespace
