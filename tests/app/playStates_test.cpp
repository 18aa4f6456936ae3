// Play is Stopped, Running or Ended; the menu shortcuts, the rules and the
// clock move it between them.

#include <QTest>

#include "VeltanMoveList.h"
#include "VeltanOptions.h"
#include "VeltanPromote.h"
#include "appTestSupport.h"

namespace {

enum class TPlay { Stopped, Running, Ended };

const char* Name(TPlay play)
{
    switch (play) {
    case TPlay::Stopped:
        return "Stopped";
    case TPlay::Running:
        return "Running";
    case TPlay::Ended:
        return "Ended";
    }
    return "?";
}

/// What the player does, one step of a row.
enum class TAct {
    CtrlS,         // Start/Stop
    KingHunt,      // a small position: White's rook can take Black's only king
    TakeKing,      // White's rook takes the king
    TooLittle,     // a small position with too little material on both sides
    AnyMove,       // White's knight leaps
    RunWhiteOut,   // White's clock has half a step left, then the clock steps
    Blocked,       // a small position: Black's only pawn will be blocked, its king has no share
    BlockPawn,     // White's pawn blocks Black's: Black cannot move
    StepBack,      // the move list steps back one record
    StepForward,   // the move list steps forward one record
    CtrlO,         // options dialog, closed with "Ok"
    CtrlM,         // move list window
    PromotionTest, // "Test": the promotion dialog
};

struct TPlayRow {
    const char* name;
    std::vector<TAct> acts;
    TPlay expected;
    const char* lastMessage; // nullptr: no box at all
};

void PrintTo(const TPlayRow& row, std::ostream* os)
{
    *os << row.name;
}

class PlayStates : public TMainWindowTest, public ::testing::WithParamInterface<TPlayRow> {
protected:
    void Do(TAct act)
    {
        switch (act) {
        case TAct::CtrlS:
            PressCtrl(Qt::Key_S);
            break;
        case TAct::KingHunt:
            SetUpPosition({{A01, 'K'}, {B02, 'R'}, {P16, 'k'}, {A12, 'p'}});
            break;
        case TAct::TakeKing:
            ASSERT_TRUE(Board().move(B02, B16));
            ASSERT_TRUE(Board().move(A12, A11));
            ASSERT_TRUE(Board().move(B16, P16));
            break;
        case TAct::TooLittle:
            SetUpPosition({{A01, 'K'}, {B01, 'N'}, {P16, 'k'}, {O16, 'b'}});
            break;
        case TAct::AnyMove:
            ASSERT_TRUE(Board().move(B01, D04));
            break;
        case TAct::Blocked:
            SetUpPosition({{A03, 'P'}, {A05, 'p'}, {P01, 'K'}, {H16, 'k', '2'}});
            break;
        case TAct::BlockPawn:
            ASSERT_TRUE(Board().move(A03, A04));
            break;
        case TAct::StepBack:
            ASSERT_TRUE(Board().MoveBackward());
            break;
        case TAct::StepForward:
            ASSERT_TRUE(Board().MoveForward());
            break;
        case TAct::RunWhiteOut:
            Board().SetTimeLeftWhite(ClockStep / 2);
            Window().ItsShowTime();
            break;
        case TAct::CtrlO:
            RunDialog = [this](QDialog& dialog) {
                EXPECT_NE(qobject_cast<TFrmVeltanOptions*>(&dialog), nullptr);
                clockRanWhileOpen = Window().ClockRunning();
                return int(QDialog::Accepted);
            };
            PressCtrl(Qt::Key_O);
            break;
        case TAct::CtrlM:
            RunDialog = [this](QDialog& dialog) {
                EXPECT_NE(qobject_cast<TFrmVeltanMoveList*>(&dialog), nullptr);
                clockRanWhileOpen = Window().ClockRunning();
                return 0;
            };
            PressCtrl(Qt::Key_M);
            break;
        case TAct::PromotionTest:
            RunDialog = [this](QDialog& dialog) {
                EXPECT_NE(qobject_cast<TFrmPromote*>(&dialog), nullptr);
                clockRanWhileOpen = Window().ClockRunning();
                return 0;
            };
            Window().findChild<QAction*>(QStringLiteral("MnuItemTest1"))->trigger();
            break;
        }
        DeliverNotices();
    }

    TPlay Observed()
    {
        const bool ended = Board().GameEnded();
        EXPECT_EQ(Board().isEnabled(), !ended) << "the board takes moves exactly while play runs";
        EXPECT_EQ(Window().ClockRunning(), !ended) << "the clock runs exactly while play runs";
        if (!ended)
            return TPlay::Running;
        // Blank at program start and after new options; marked when stopped by hand.
        const bool stopped =
            Status().trimmed().isEmpty() || Status().endsWith(QStringLiteral(" (Game stopped)"));
        return stopped ? TPlay::Stopped : TPlay::Ended;
    }

    bool clockRanWhileOpen = false;
};

TEST_P(PlayStates, EndsInTheExpectedState)
{
    const TPlayRow& row = GetParam();
    for (const TAct act : row.acts)
        Do(act);
    EXPECT_STREQ(Name(Observed()), Name(row.expected));
    if (row.lastMessage == nullptr) {
        EXPECT_TRUE(dialogs.messages.empty());
    } else {
        ASSERT_FALSE(dialogs.messages.empty());
        EXPECT_EQ(dialogs.messages.back().text, QString::fromUtf8(row.lastMessage));
        EXPECT_EQ(dialogs.messages.back().caption, QStringLiteral("Veltan. The battle is about to unleash"));
    }
}

using enum TAct;

INSTANTIATE_TEST_SUITE_P(
    Transitions, PlayStates,
    ::testing::Values(
        TPlayRow{"ProgramStart", {}, TPlay::Stopped, nullptr},
        TPlayRow{"Start", {CtrlS}, TPlay::Running, nullptr},
        TPlayRow{"Stop", {CtrlS, CtrlS}, TPlay::Stopped, nullptr},
        TPlayRow{"Resume", {CtrlS, CtrlS, CtrlS}, TPlay::Running, nullptr},
        TPlayRow{"WinByKingCapture", {KingHunt, CtrlS, TakeKing}, TPlay::Ended, "White has won!"},
        // A finished game stays finished: Start/Stop tells the result again.
        TPlayRow{"StartAfterWin", {KingHunt, CtrlS, TakeKing, CtrlS}, TPlay::Ended, "White has won!"},
        TPlayRow{"StartAfterSteppingBackToTheWin",
                 {KingHunt, CtrlS, TakeKing, StepBack, StepForward, CtrlS},
                 TPlay::Ended,
                 "White has won!"},
        TPlayRow{
            "CannotMove", {Blocked, CtrlS, BlockPawn}, TPlay::Ended, "Black cannot move: White has won!"},
        TPlayRow{"StartAfterSteppingBackToCannotMove",
                 {Blocked, CtrlS, BlockPawn, StepBack, StepForward, CtrlS},
                 TPlay::Ended,
                 "Black cannot move: White has won!"},
        TPlayRow{"StartAfterDraw", {TooLittle, CtrlS, AnyMove, CtrlS}, TPlay::Ended, "Draw"},
        // Stepped back before the end, the game may go on from there.
        TPlayRow{"StartBeforeTheWin",
                 {KingHunt, CtrlS, TakeKing, StepBack, CtrlS},
                 TPlay::Running,
                 "White has won!"},
        TPlayRow{"Draw", {TooLittle, CtrlS, AnyMove}, TPlay::Ended, "Draw"},
        TPlayRow{"FlagFall", {CtrlS, RunWhiteOut}, TPlay::Ended, "White lost on time!"},
        TPlayRow{"OptionsDuringPlay", {CtrlS, CtrlO}, TPlay::Running, nullptr},
        TPlayRow{"MoveListDuringPlay", {CtrlS, CtrlM}, TPlay::Running, nullptr},
        TPlayRow{"PromotionDialogDuringPlay", {CtrlS, PromotionTest}, TPlay::Running, nullptr},
        TPlayRow{"OptionsBetweenGames", {CtrlO}, TPlay::Stopped, nullptr}),
    [](const ::testing::TestParamInfo<TPlayRow>& info) { return std::string(info.param.name); });

class DialogsDuringPlay : public PlayStates {};

TEST_F(DialogsDuringPlay, KeepTheClockRunningWhileOpen)
{
    for (const TAct act : {CtrlO, CtrlM, PromotionTest}) {
        Do(CtrlS);
        clockRanWhileOpen = false;
        Do(act);
        EXPECT_TRUE(clockRanWhileOpen);
        Do(CtrlS);
    }
}

struct TOptionsRow {
    const char* name;
    int result;
    bool labelsEmptied;
};

void PrintTo(const TOptionsRow& row, std::ostream* os)
{
    *os << row.name;
}

class OptionsDialogResult : public TMainWindowTest, public ::testing::WithParamInterface<TOptionsRow> {};

TEST_P(OptionsDialogResult, OnlyOkEmptiesStatusAndClocks)
{
    PressCtrl(Qt::Key_S);
    ASSERT_FALSE(Status().trimmed().isEmpty());
    const QString status = Status();
    const QString white = WhiteClock();
    const QString black = BlackClock();
    RunDialog = [](QDialog&) { return GetParam().result; };
    PressCtrl(Qt::Key_O);
    if (GetParam().labelsEmptied) {
        EXPECT_TRUE(Status().isEmpty());
        EXPECT_TRUE(WhiteClock().isEmpty());
        EXPECT_TRUE(BlackClock().isEmpty());
        // The clocks come back at the next step.
        Window().ItsShowTime();
        EXPECT_EQ(WhiteClock(), QStringLiteral("White 0:59:59"));
    } else {
        EXPECT_EQ(Status(), status);
        EXPECT_EQ(WhiteClock(), white);
        EXPECT_EQ(BlackClock(), black);
    }
}

INSTANTIATE_TEST_SUITE_P(Results, OptionsDialogResult,
                         ::testing::Values(TOptionsRow{"Ok", QDialog::Accepted, true},
                                           TOptionsRow{"ClosedByTheFrame", QDialog::Rejected, false}),
                         [](const ::testing::TestParamInfo<TOptionsRow>& info) {
                             return std::string(info.param.name);
                         });

class StartStop : public TMainWindowTest {};

TEST_F(StartStop, EachStopAppendsGameStoppedToTheTextOfThatMoment)
{
    const std::string running = "White  has 4 moves  left in this turn;";
    PressCtrl(Qt::Key_S);
    EXPECT_EQ(Status().toStdString(), running);
    PressCtrl(Qt::Key_S);
    EXPECT_EQ(Status().toStdString(), running + " (Game stopped)");
    PressCtrl(Qt::Key_S);
    ASSERT_TRUE(Board().move(A04, A05));
    PressCtrl(Qt::Key_S);
    EXPECT_EQ(Status().toStdString(), "White  has 3 moves  left in this turn; (Game stopped)");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(StartStop, RightAfterProgramStartTheBoardTakesNoMoveAndTheClockStands)
{
    Drag(A04, A05);
    EXPECT_EQ(Board().PieceOn(A04), 'P');
    EXPECT_EQ(Board().PieceOn(A05), ' ');
    EXPECT_EQ(Board().LastMove, 0);
    const double white = Board().TimeLeftWhite();
    Window().ItsShowTime();
    EXPECT_EQ(Board().TimeLeftWhite(), white);
    EXPECT_EQ(WhiteClock(), QStringLiteral(" "));
}

} // namespace
