// What the board tells the rest of the program: the game-ended notice to the
// main window, messages through the dialogs seam, and the computer's turn.

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include "boardTestSupport.h"
#include "gameEndedNotice.h"

// Stands in for the main window: the notice goes to the top-level widget of this class.
class TFrmVeltanBrd : public QWidget {
    Q_OBJECT

public:
    int notices = 0;

protected:
    bool event(QEvent* event) override
    {
        if (event->type() == GameEndedMessage()) {
            ++notices;
            return true;
        }
        return QWidget::event(event);
    }
};

namespace {

TEST(GameEndedMessage, IsOneRegisteredTypeForTheWholeRun)
{
    const QEvent::Type first = GameEndedMessage();
    EXPECT_EQ(GameEndedMessage(), first);
    EXPECT_GE(static_cast<int>(first), static_cast<int>(QEvent::User));
    EXPECT_LE(static_cast<int>(first), static_cast<int>(QEvent::MaxUser));
}

class GameEnded : public ::testing::Test {
protected:
    void SetUp() override
    {
        board = new TTestBoard(&mainWindow); // owned by the window
        ApplyMainWindowLook(*board);
    }

    TFrmVeltanBrd mainWindow;
    TTestBoard* board = nullptr;
};

struct NoticeCase {
    const char* name;
    bool startRunning; // GameEnded false before the change
    bool refresh;      // DoRefreshWindowsBoard during the change
    bool end;          // the value set
    int notices;
    bool enabledAfter;
};

void PrintTo(const NoticeCase& c, std::ostream* os)
{
    *os << c.name;
}

class GameEndedNotice : public GameEnded, public ::testing::WithParamInterface<NoticeCase> {};

TEST_P(GameEndedNotice, ReachesTheMainWindowOnceWhenPlayStops)
{
    const NoticeCase& c = GetParam();
    board->SetGameEnded(!c.startRunning);
    QApplication::processEvents();
    mainWindow.notices = 0;
    const bool enabledBefore = board->isEnabled();
    board->SetDoRefreshWindowsBoard(c.refresh);
    board->SetGameEnded(c.end);
    EXPECT_EQ(mainWindow.notices, 0) << "posted, not sent";
    QApplication::processEvents();
    EXPECT_EQ(mainWindow.notices, c.notices);
    EXPECT_EQ(board->isEnabled(), c.refresh ? c.enabledAfter : enabledBefore);
}

INSTANTIATE_TEST_SUITE_P(Changes, GameEndedNotice,
                         ::testing::Values(NoticeCase{"RunningToEnded", true, true, true, 1, false},
                                           NoticeCase{"EndedAgain", false, true, true, 0, false},
                                           NoticeCase{"Started", false, true, false, 0, true},
                                           NoticeCase{"EndedWhileNotRefreshing", true, false, true, 0,
                                                      false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(GameEndedNoticeWithoutMainWindow, GoesNowhere)
{
    TVeltanBrd board;
    board.SetGameEnded(false);
    board.SetGameEnded(true);
    QApplication::processEvents();
    EXPECT_EQ(FindGameEndedNoticeReceiver(&board), nullptr);
    EXPECT_FALSE(board.isEnabled());
}

TEST_F(GameEnded, TakingTheLastKingNamesTheWinnerThenNotifies)
{
    TRecordingDialogs dialogs;
    const TScopedUserDialogs seam(dialogs);
    SetUpGame(*board, {{H08, 'R'}, {H12, 'k'}, {A01, 'K'}});
    ASSERT_TRUE(board->move(H08, H12));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("White has won!"));
    EXPECT_EQ(dialogs.messages[0].caption, QApplication::applicationDisplayName());
    EXPECT_TRUE(board->GameEnded());
    EXPECT_FALSE(board->isEnabled());
    QApplication::processEvents();
    EXPECT_EQ(mainWindow.notices, 1);
}

TEST(Messages, StartStringWarningsGoThroughTheSeam)
{
    TRecordingDialogs dialogs;
    const TScopedUserDialogs seam(dialogs);
    TVeltanBrd board;
    const std::string before = board.position();
    board.SetStartPosition("short");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_FALSE(dialogs.messages[0].text.isEmpty());
    EXPECT_EQ(board.position(), before);
}

TEST(Messages, TheSeamIsRestoredWhenTheReplacementEnds)
{
    TUserDialogs* const real = &UserDialogs();
    {
        TRecordingDialogs outer;
        const TScopedUserDialogs outerSeam(outer);
        {
            TRecordingDialogs inner;
            const TScopedUserDialogs innerSeam(inner);
            EXPECT_EQ(&UserDialogs(), &inner);
        }
        EXPECT_EQ(&UserDialogs(), &outer);
    }
    EXPECT_EQ(&UserDialogs(), real);
}

// ---- The computer's turn -----------------------------------------------------------

struct TurnCase {
    const char* name;
    bool customEngine;
    bool playsWhite;
    bool playsBlack;
    bool loading;
    bool due;
};

void PrintTo(const TurnCase& c, std::ostream* os)
{
    *os << c.name;
}

class ComputerTurn : public ::testing::TestWithParam<TurnCase> {};

TEST_P(ComputerTurn, IsDueOnlyWhenTheComputerPlaysTheSideToMove)
{
    const TurnCase& c = GetParam();
    TVeltanBrd board;
    SetUpGame(board, {{H08, 'R'}, {H12, 'p'}, {A01, 'K'}, {P16, 'k'}});
    board.SetComputerPlaysWhite(c.playsWhite);
    board.SetComputerPlaysBlack(c.playsBlack);
    board.SetCustomEngine(c.customEngine);
    EXPECT_FALSE(board.ComputerTurnDue()) << "the settings stop the computer until the next move";
    ASSERT_TRUE(board.move(H08, H10)); // Black to move now
    board.SetLoading(c.loading);
    EXPECT_EQ(board.ComputerTurnDue(), c.due);
}

INSTANTIATE_TEST_SUITE_P(Settings, ComputerTurn,
                         ::testing::Values(TurnCase{"ComputerPlaysBlack", true, false, true, false, true},
                                           TurnCase{"ComputerPlaysWhiteOnly", true, true, false, false,
                                                    false},
                                           TurnCase{"BuiltInEngine", false, false, true, false, false},
                                           TurnCase{"WhileLoading", true, false, true, true, false},
                                           TurnCase{"NobodyIsComputer", true, false, false, false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace

#include "boardNotices_test.moc"
