// The list of moves and stepping through it: newest first, a jump by choosing
// a line, Back and Forward, and a game just started.

#include "moveListFixture.h"

namespace {

TEST_F(MoveListWindow, ListsThreeMovesNewestFirst)
{
    PlayGame(3);
    OpenWindow();

    EXPECT_EQ(Lines(), (std::vector<std::string>{LineOf(3), LineOf(2), LineOf(1)}));
    EXPECT_EQ(LineOf(1).substr(0, 2), "W:");
    EXPECT_EQ(LineOf(2).substr(0, 2), "B:");
    EXPECT_EQ(List().visualItemRect(List().item(0)).height(), 13);
}

struct LineChoice {
    const char* name;
    int row;
    int moveno;
    bool whiteToMove;
};

void PrintTo(const LineChoice& c, std::ostream* os)
{
    *os << c.name;
}

class ChoosingALine : public MoveListWindow, public testing::WithParamInterface<LineChoice> {};

TEST_P(ChoosingALine, ShowsThePositionAfterThatMove)
{
    PlayGame(3);
    OpenWindow();

    ClickLine(GetParam().row);

    EXPECT_EQ(board.LastMove, GetParam().moveno);
    EXPECT_EQ(board.position(), board.MoveList[static_cast<std::size_t>(GetParam().moveno)].position);
    // The move's turn is complete, so the other team is to move.
    EXPECT_EQ(board.WhiteToMove(), GetParam().whiteToMove);
    EXPECT_EQ(List().count(), 3);
}

INSTANTIATE_TEST_SUITE_P(Lines, ChoosingALine,
                         testing::Values(LineChoice{"Top", 0, 3, false}, LineChoice{"Middle", 1, 2, true},
                                         LineChoice{"Bottom", 2, 1, false}),
                         [](const testing::TestParamInfo<LineChoice>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(MoveListWindow, JumpsOnFromLineToLineWithoutRefilling)
{
    PlayGame(3);
    OpenWindow();
    ClickLine(2);
    ClickLine(0);
    EXPECT_EQ(board.LastMove, 3);
    QTest::keyClick(&List(), Qt::Key_Down);
    EXPECT_EQ(board.LastMove, 2);
    EXPECT_EQ(Lines(), (std::vector<std::string>{LineOf(3), LineOf(2), LineOf(1)}));
}

struct Step {
    const char* button;
    int lastMove;
    int lines;
};

TEST_F(MoveListWindow, BackAndForwardStepThroughTheRecordsAndRefillTheList)
{
    PlayGame(3);
    OpenWindow();
    const Step steps[] = {{"ButtonBack", 2, 2},    {"ButtonBack", 1, 1},    {"ButtonForward", 2, 2},
                          {"ButtonForward", 3, 3}, {"ButtonForward", 3, 3}, {"ButtonBack", 2, 2}};
    for (const Step& step : steps) {
        Click(step.button);
        EXPECT_EQ(board.LastMove, step.lastMove) << step.button;
        EXPECT_EQ(board.position(), board.MoveList[static_cast<std::size_t>(step.lastMove)].position);
        EXPECT_EQ(List().count(), step.lines) << step.button;
        if (step.lines > 0) {
            EXPECT_EQ(List().item(0)->text().toStdString(), LineOf(step.lastMove));
        }
    }
}

TEST_F(MoveListWindow, BackStepsOnFromAChosenLine)
{
    PlayGame(3);
    OpenWindow();
    ClickLine(2);
    Click("ButtonBack");
    EXPECT_EQ(board.LastMove, 0);
    EXPECT_EQ(List().count(), 0);
}

TEST_F(MoveListWindow, AGameJustStartedHasAnEmptyListAndBackKeepsTheStart)
{
    PlayGame(0);
    const std::string start = board.position();
    OpenWindow();
    EXPECT_EQ(List().count(), 0);

    Click("ButtonBack");
    EXPECT_EQ(board.LastMove, 0);
    EXPECT_EQ(board.position(), start);
    EXPECT_TRUE(board.WhiteToMove());
    EXPECT_EQ(List().count(), 0);

    Click("ButtonForward");
    EXPECT_EQ(board.LastMove, 0);
    EXPECT_EQ(List().count(), 0);
}

} // namespace
