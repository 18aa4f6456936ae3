// Looking back through the move list during play: play stops, the kept game
// keeps its whole line, and play goes on from the record shown. A clock that
// runs out ends the game for good, whichever record is shown.

#include <QCoreApplication>
#include <QFile>
#include <QPushButton>

#include "appTestSupport.h"
#include "unfinishedGame.h"

namespace {

const QString GameStopped = QStringLiteral("(Game stopped)");

class LookingBack : public TMainWindowTest {
protected:
    // Four moves of a small game, one move a team turn, play running.
    void PlayFourMoves()
    {
        SetUpPosition({{A01, 'K'}, {H09, 'R'}, {P16, 'k'}, {I08, 'r'}});
        Window().StartStop();
        for (const auto& [from, to] : {std::pair{H09, H10}, {I08, I07}, {H10, H11}, {I07, I06}})
            ASSERT_TRUE(Board().PerformMove(from, to));
        ASSERT_FALSE(Board().GameEnded());
    }

    // Opens the move list and presses Back `steps` times in it.
    void StepBack(int steps)
    {
        RunDialog = [steps](QDialog& dialog) {
            auto* const back = dialog.findChild<QPushButton*>(QStringLiteral("ButtonBack"));
            for (int n = 0; n < steps && back != nullptr; ++n)
                back->click();
            return 0;
        };
        PressCtrl(Qt::Key_M);
    }

    bool KeptExists()
    {
        Window().KeptGame().Flush();
        return QFile::exists(Window().KeptGame().Path());
    }
};

struct LookCase {
    const char* name;
    int steps;
    bool computerBlack;
};

void PrintTo(const LookCase& c, std::ostream* os)
{
    *os << c.name;
}

class LookingBackInPlay : public LookingBack, public testing::WithParamInterface<LookCase> {};

TEST_P(LookingBackInPlay, StopsPlayKeepsTheWholeLineAndPlaysOnFromTheRecordShown)
{
    const LookCase& c = GetParam();
    PlayFourMoves();
    Board().SetComputerPlaysBlack(c.computerBlack);
    const double white = Board().TimeLeftWhite(), black = Board().TimeLeftBlack();
    StepBack(c.steps);
    const int shown = 4 - c.steps;
    ASSERT_EQ(Board().LastMove, shown);

    EXPECT_TRUE(Board().GameEnded());
    EXPECT_FALSE(Window().ClockRunning());
    EXPECT_FALSE(Board().Thinking());
    EXPECT_TRUE(Status().endsWith(GameStopped)) << Status().toStdString();
    EXPECT_TRUE(Status().startsWith(QString::fromStdString(Board().GetMovesLeftInTurn())));
    EXPECT_EQ(Board().TimeLeftWhite(), white);
    EXPECT_EQ(Board().TimeLeftBlack(), black);
    EXPECT_TRUE(IsUnfinishedGame(Board()));
    EXPECT_TRUE(KeptExists());

    // Closed and started again, the game comes back whole, at the record shown.
    Reopen();
    EXPECT_EQ(Board().LastMove, shown);
    EXPECT_EQ(Board().HistoryEnd(), 4);
    EXPECT_TRUE(Board().GameEnded());
    EXPECT_TRUE(Status().endsWith(GameStopped)) << Status().toStdString();

    // Start/Stop plays on from there: the computer thinks when it is to move.
    Board().SetComputerPlaysBlack(c.computerBlack);
    Window().StartStop();
    EXPECT_FALSE(Board().GameEnded());
    EXPECT_TRUE(Window().ClockRunning());
    EXPECT_EQ(Board().Thinking(), Board().ComputerToMove());
    Board().CancelThinking();
}

INSTANTIATE_TEST_SUITE_P(Cases, LookingBackInPlay,
                         testing::Values(LookCase{"OneMoveBack", 1, false},
                                         LookCase{"BackToTheComputersTurn", 1, true},
                                         LookCase{"BackToTheStart", 4, false}),
                         [](const testing::TestParamInfo<LookCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(LookingBack, ASaveAtAnEarlierRecordLeavesTheLaterMovesToAsk)
{
    PlayFourMoves();
    StepBack(2);
    Window().GameKeptInFile();
    EXPECT_FALSE(Window().MayReplaceGame());
    EXPECT_EQ(dialogs.questions, std::vector<QString>{QStringLiteral("Abandon the game in progress?")});
}

TEST_F(LookingBack, PlayingOnFromBeforeALossOnTimeIsRefused)
{
    PlayFourMoves();
    // White is to move; its clock runs out at the next step.
    Board().SetTimeLeftWhite(ClockStep / 2);
    Window().ItsShowTime();
    DeliverNotices();
    const QString lost = QStringLiteral("White lost on time!");
    ASSERT_EQ(dialogs.Texts(), std::vector<QString>{lost});
    EXPECT_EQ(Board().LineEnding(), TGameEnding::WhiteLostOnTime);
    EXPECT_FALSE(KeptExists());

    StepBack(1);
    Window().StartStop();
    EXPECT_EQ(dialogs.Texts(), (std::vector<QString>{lost, lost}));
    EXPECT_TRUE(Board().GameEnded());
    EXPECT_FALSE(Window().ClockRunning());
}

} // namespace
