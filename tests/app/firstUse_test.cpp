// What a first-time player reaches for: a new game from the menu, a word on
// how to start when the stopped board is pressed, "Move now" only while the
// computer thinks.

#include <QAction>
#include <QTest>

#include "appTestSupport.h"

namespace {

const QString AbandonText = QStringLiteral("Abandon the game in progress?");

struct NewGameCase {
    const char* name;
    int moves;
    bool answer;
    bool asked;
    int lastMoveAfter;
};

void PrintTo(const NewGameCase& c, std::ostream* os)
{
    *os << c.name;
}

class NewGame : public TMainWindowTest, public testing::WithParamInterface<NewGameCase> {};

TEST_P(NewGame, AsksBeforeAnUnfinishedGameGoes)
{
    const NewGameCase& c = GetParam();
    SetUpPosition({{A01, 'K'}, {H09, 'R'}, {P16, 'k'}, {I08, 'r'}});
    PressCtrl(Qt::Key_S);
    const std::pair<Square, Square> moves[] = {{H09, H10}, {I08, I07}};
    for (int n = 0; n < c.moves; ++n) {
        ASSERT_TRUE(Board().PerformMove(moves[n].first, moves[n].second));
    }
    dialogs.yes = c.answer;
    PressCtrl(Qt::Key_N);
    EXPECT_EQ(dialogs.questions, c.asked ? std::vector<QString>{AbandonText} : std::vector<QString>{});
    EXPECT_EQ(Board().LastMove, c.lastMoveAfter);
    EXPECT_EQ(Board().GameEnded(), c.lastMoveAfter == 0);
    if (c.lastMoveAfter == 0) {
        // The options' game: the standard arrangement, not the one set up here.
        EXPECT_EQ(Board().position(), Board().MoveList[0].position);
        EXPECT_NE(Board().PieceOn(A16), ' ');
        EXPECT_FALSE(Window().ClockRunning());
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, NewGame,
                         testing::Values(NewGameCase{"NoMoveYet", 0, false, false, 0},
                                         NewGameCase{"UnfinishedKept", 2, false, true, 2},
                                         NewGameCase{"UnfinishedAbandoned", 2, true, true, 0}),
                         [](const testing::TestParamInfo<NewGameCase>& info) {
                             return std::string(info.param.name);
                         });

enum class TStopped { BeforeTheFirstStart, DuringPlay, LostOnTime };

struct HintCase {
    const char* name;
    TStopped stopped;
    bool hint;
};

void PrintTo(const HintCase& c, std::ostream* os)
{
    *os << c.name;
}

class StoppedBoardPressed : public TMainWindowTest, public testing::WithParamInterface<HintCase> {};

TEST_P(StoppedBoardPressed, SaysHowToStartAGameThatCanGoOn)
{
    const HintCase& c = GetParam();
    if (c.stopped != TStopped::BeforeTheFirstStart) {
        Window().StartStop();
        if (c.stopped == TStopped::DuringPlay)
            Window().StartStop();
        else
            Board().LoseOnTime(true);
    }
    ASSERT_FALSE(Board().isEnabled());
    const QString before = Status();
    QTest::mouseClick(&Board(), Qt::LeftButton, Qt::NoModifier, SquareOrigin(E02) + QPoint(10, 10));
    EXPECT_EQ(Status(), c.hint ? QStringLiteral("Start/Stop (Ctrl+S) starts the game") : before);
}

INSTANTIATE_TEST_SUITE_P(Cases, StoppedBoardPressed,
                         testing::Values(HintCase{"BeforeTheFirstStart", TStopped::BeforeTheFirstStart, true},
                                         HintCase{"StoppedDuringPlay", TStopped::DuringPlay, true},
                                         HintCase{"LostOnTime", TStopped::LostOnTime, false}),
                         [](const testing::TestParamInfo<HintCase>& info) {
                             return std::string(info.param.name);
                         });

class MoveNowCommand : public TMainWindowTest {};

TEST_F(MoveNowCommand, IsOnlyEnabledWhileTheComputerThinks)
{
    QAction& moveNow = Action(QStringLiteral("Move now"));
    EXPECT_FALSE(moveNow.isEnabled());
    Board().SetComputerPlaysWhite(true);
    PressCtrl(Qt::Key_S);
    ASSERT_TRUE(Board().Thinking());
    EXPECT_TRUE(QTest::qWaitFor([&] { return moveNow.isEnabled(); }, 5000));
    PressCtrl(Qt::Key_S);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !moveNow.isEnabled(); }, 5000));
}

} // namespace
