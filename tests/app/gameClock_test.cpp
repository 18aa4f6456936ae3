// The team clocks, driven step by step: the first step at start, the steps
// that follow, zero and below, the increments, and what the labels show.

#include "appTestSupport.h"

namespace {

constexpr double OneHour = 1.0 / 24.0;
constexpr double FiveSeconds = 5.0 / 86400.0;

struct TClockRow {
    const char* name;
    bool whiteToMove;
    double whiteLeft;
    double blackLeft;
    int stepsAfterStart; // Ctrl+S takes the first step itself
    const char* whiteLabel;
    const char* blackLabel;
    const char* message; // nullptr: play goes on
};

void PrintTo(const TClockRow& row, std::ostream* os)
{
    *os << row.name;
}

class ClockSteps : public TMainWindowTest, public ::testing::WithParamInterface<TClockRow> {};

TEST_P(ClockSteps, TakeOneIntervalOffTheTeamToMove)
{
    const TClockRow& row = GetParam();
    Board().SetWhiteToMove(row.whiteToMove);
    Board().SetTimeLeftWhite(row.whiteLeft);
    Board().SetTimeLeftBlack(row.blackLeft);
    PressCtrl(Qt::Key_S);
    for (int i = 0; i < row.stepsAfterStart; ++i)
        Window().ItsShowTime();
    DeliverNotices();

    EXPECT_EQ(WhiteClock().toStdString(), row.whiteLabel);
    EXPECT_EQ(BlackClock().toStdString(), row.blackLabel);
    const int steps = row.stepsAfterStart + 1;
    EXPECT_DOUBLE_EQ(Board().TimeLeftWhite(),
                     row.whiteToMove ? row.whiteLeft - steps * ClockStep : row.whiteLeft);
    if (row.message == nullptr) {
        EXPECT_TRUE(dialogs.messages.empty());
        EXPECT_FALSE(Board().GameEnded());
        EXPECT_TRUE(Window().ClockRunning());
    } else {
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_EQ(dialogs.messages.front().text.toStdString(), row.message);
        EXPECT_TRUE(Board().GameEnded());
        EXPECT_FALSE(Board().isEnabled());
        EXPECT_FALSE(Window().ClockRunning());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Steps, ClockSteps,
    ::testing::Values(
        TClockRow{"FirstStepAfterStart", true, OneHour, OneHour, 0, "White 0:59:59", "Black 1:00:00",
                  nullptr},
        TClockRow{"TenStepsLater", true, OneHour, OneHour, 10, "White 0:59:58", "Black 1:00:00", nullptr},
        TClockRow{"BlackToMove", false, OneHour, OneHour, 0, "White 1:00:00", "Black 0:59:59", nullptr},
        // Exactly zero is not yet a loss, and shows nothing new.
        TClockRow{"ExactlyZero", true, ClockStep, OneHour, 0, " ", " ", nullptr},
        TClockRow{"ZeroThenOneStep", true, ClockStep, OneHour, 1, "White 0:00:00", " ",
                  "White lost on time!"},
        TClockRow{"BelowZero", true, ClockStep / 2, OneHour, 0, "White 0:00:00", " ", "White lost on time!"},
        TClockRow{"BlackBelowZero", false, OneHour, ClockStep / 2, 0, " ", "Black 0:00:00",
                  "Black lost on time!"},
        TClockRow{"TwentyFiveHoursShowTheTimeOfDay", true, 25 * OneHour + ClockStep, OneHour, 0,
                  "White 1:00:00", "Black 1:00:00", nullptr},
        TClockRow{"ADayAndASecond", true, 1.0 + 1.0 / 86400 + ClockStep, OneHour, 0, "White 0:00:01",
                  "Black 1:00:00", nullptr},
        TClockRow{"NinetyNineHundredthsOfASecondShowNoSecond", false, OneHour, 0.99 / 86400 + ClockStep, 0,
                  "White 1:00:00", "Black 0:00:00", nullptr}),
    [](const ::testing::TestParamInfo<TClockRow>& info) { return std::string(info.param.name); });

class FlagFall : public TMainWindowTest {};

TEST_F(FlagFall, StopsTheClockBeforeTheBoxOpens)
{
    bool runningWhileOpen = true;
    bool endedWhileOpen = false;
    dialogs.whileOpen = [&](const TAnsweringDialogs::TMessage&) {
        runningWhileOpen = Window().ClockRunning();
        endedWhileOpen = Board().GameEnded();
    };
    PressCtrl(Qt::Key_S);
    Board().SetTimeLeftWhite(ClockStep / 2);
    Window().ItsShowTime();
    EXPECT_FALSE(runningWhileOpen);
    EXPECT_TRUE(endedWhileOpen);
    // The loser's time stays just below zero.
    EXPECT_LT(Board().TimeLeftWhite(), 0.0);
}

// The loss is the game's ending: starting again tells it again and takes no more time off.
TEST_F(FlagFall, StartingAgainRepeatsTheLoss)
{
    PressCtrl(Qt::Key_S);
    Board().SetTimeLeftWhite(ClockStep / 2);
    Window().ItsShowTime();
    DeliverNotices();
    PressCtrl(Qt::Key_S);
    DeliverNotices();
    const std::vector<QString> expected = {QStringLiteral("White lost on time!"),
                                           QStringLiteral("White lost on time!")};
    EXPECT_EQ(dialogs.Texts(), expected);
    EXPECT_TRUE(Board().GameEnded());
    EXPECT_FALSE(Window().ClockRunning());
    EXPECT_DOUBLE_EQ(Board().TimeLeftWhite(), ClockStep / 2 - ClockStep);
}

class ClockWhileStopped : public TMainWindowTest {};

TEST_F(ClockWhileStopped, StoppingTakesNoTimeOffAndKeepsTheLabels)
{
    PressCtrl(Qt::Key_S);
    const double white = Board().TimeLeftWhite();
    const QString label = WhiteClock();
    PressCtrl(Qt::Key_S);
    Window().ItsShowTime();
    EXPECT_EQ(Board().TimeLeftWhite(), white);
    EXPECT_EQ(WhiteClock(), label);
    EXPECT_FALSE(Window().ClockRunning());
}

struct TIncrementRow {
    const char* name;
    int movesPerTeamTurn;
    double increment;
    const char* whiteLabel; // after one whole turn of each team
    const char* blackLabel;
};

void PrintTo(const TIncrementRow& row, std::ostream* os)
{
    *os << row.name;
}

class Increments : public TMainWindowTest, public ::testing::WithParamInterface<TIncrementRow> {};

TEST_P(Increments, AreGivenPerMoveAndRecordedWithEachMove)
{
    const TIncrementRow& row = GetParam();
    Board().SetMovesPerTeamTurn(row.movesPerTeamTurn);
    Board().SetTimeIncrementWhite(row.increment);
    Board().SetTimeIncrementBlack(row.increment);
    PressCtrl(Qt::Key_S);
    const double whiteAtStart = Board().TimeLeftWhite();
    const double blackAtStart = Board().TimeLeftBlack();

    // One whole turn for each team: pawns of files A.. for White, then for Black.
    int move = 0;
    for (int i = 0; i < row.movesPerTeamTurn; ++i, ++move) {
        ASSERT_TRUE(Board().move(SquareAt(1 + i, 4), SquareAt(1 + i, 5)));
        EXPECT_DOUBLE_EQ(Board().TimeLeftWhite(), whiteAtStart + (i + 1) * row.increment);
        EXPECT_DOUBLE_EQ(Board().MoveList[static_cast<std::size_t>(move + 1)].TimeLeft,
                         Board().TimeLeftWhite());
    }
    ASSERT_FALSE(Board().WhiteToMove());
    for (int i = 0; i < row.movesPerTeamTurn; ++i, ++move) {
        ASSERT_TRUE(Board().move(SquareAt(1 + i, 13), SquareAt(1 + i, 12)));
        EXPECT_DOUBLE_EQ(Board().TimeLeftBlack(), blackAtStart + (i + 1) * row.increment);
        EXPECT_DOUBLE_EQ(Board().MoveList[static_cast<std::size_t>(move + 1)].TimeLeft,
                         Board().TimeLeftBlack());
    }
    EXPECT_TRUE(Board().WhiteToMove());
    // Once the turn has passed on, both labels show the clocks with every increment.
    EXPECT_EQ(WhiteClock().toStdString(), row.whiteLabel);
    EXPECT_EQ(BlackClock().toStdString(), row.blackLabel);
}

INSTANTIATE_TEST_SUITE_P(
    Split, Increments,
    ::testing::Values(TIncrementRow{"OneMoveATurn", 1, FiveSeconds, "White 1:00:04", "Black 1:00:05"},
                      TIncrementRow{"FourMovesATurn", 4, FiveSeconds, "White 1:00:19", "Black 1:00:20"},
                      TIncrementRow{"FourMovesNoIncrement", 4, 0.0, "White 0:59:59", "Black 1:00:00"}),
    [](const ::testing::TestParamInfo<TIncrementRow>& info) { return std::string(info.param.name); });

} // namespace

namespace {

class ClockLabels : public TMainWindowTest {};

TEST_F(ClockLabels, NeverRunIntoEachOtherOrPastTheEdgeHoweverLongTheTimes)
{
    for (const double hours : {1.0, 12.0, 23.0, 1.0}) {
        Board().SetTimeLeftWhite(hours / 24 + ClockStep);
        Board().SetTimeLeftBlack(hours / 24 + ClockStep);
        PressCtrl(Qt::Key_S);
        const QRect white = Label("LblTimeLeftWhite").geometry();
        const QRect black = Label("LblTimeLeftBlack").geometry();
        EXPECT_LE(white.left(), 600);
        if (hours < 10) {
            EXPECT_EQ(white.left(), 600) << "in its place again";
        }
        EXPECT_GT(black.left(), white.right()) << hours << " hours";
        EXPECT_GE(black.left(), 726);
        EXPECT_LT(black.right(), Label("LblTimeLeftBlack").parentWidget()->width()) << hours << " hours";
        PressCtrl(Qt::Key_S);
    }
}

} // namespace
