// Moves per team turn and players per team keep every player of a team at
// least one move per turn between the two boxes; the board hears of them only
// through "Ok".

#include "optionsSupport_test.h"

namespace {

struct ConstraintCase {
    int moves;
    int players;
    const char* box; ///< the box the user changes
    const char* chosen;
    int movesAfter;
    int playersAfter;
};

const std::vector<ConstraintCase>& Cases()
{
    static const std::vector<ConstraintCase> cases = {
        // Fewer moves than players bring the players down to the moves.
        {4, 4, "CbxMovesPerTeamTurn", "1", 1, 1},
        {4, 4, "CbxMovesPerTeamTurn", "2", 2, 2},
        {4, 2, "CbxMovesPerTeamTurn", "1", 1, 1},
        {2, 2, "CbxMovesPerTeamTurn", "1", 1, 1},
        // Enough moves left: the players stay.
        {4, 2, "CbxMovesPerTeamTurn", "2", 2, 2},
        {4, 1, "CbxMovesPerTeamTurn", "1", 1, 1},
        {1, 1, "CbxMovesPerTeamTurn", "4", 4, 1},
        // More players than moves bring the moves up to the players.
        {1, 1, "CbxPlayersPerTeam", "4", 4, 4},
        {1, 1, "CbxPlayersPerTeam", "2", 2, 2},
        {2, 1, "CbxPlayersPerTeam", "4", 4, 4},
        {2, 2, "CbxPlayersPerTeam", "4", 4, 4},
        // Enough moves already: the moves stay.
        {4, 1, "CbxPlayersPerTeam", "2", 4, 2},
        {2, 1, "CbxPlayersPerTeam", "2", 2, 2},
        {4, 4, "CbxPlayersPerTeam", "1", 4, 1},
    };
    return cases;
}

std::string Name(const ConstraintCase& c)
{
    return std::to_string(c.moves) + " moves, " + std::to_string(c.players) + " players, " + c.box +
           " := " + c.chosen;
}

using OptionsMovesPlayersTest = OptionsTest;

TEST_F(OptionsMovesPlayersTest, ChoiceKeepsAMovePerPlayerInTheBoxesAndLeavesTheBoardAlone)
{
    for (const ConstraintCase& c : Cases()) {
        board->SetPlayersPerTeam(c.players);
        board->SetMovesPerTeamTurn(c.moves);
        const auto dialog = OpenDialog();
        ChooseItem(Box(*dialog, c.box), QString::fromLatin1(c.chosen));

        EXPECT_EQ(Box(*dialog, "CbxMovesPerTeamTurn").currentText(), QString::number(c.movesAfter))
            << Name(c);
        EXPECT_EQ(Box(*dialog, "CbxPlayersPerTeam").currentText(), QString::number(c.playersAfter))
            << Name(c);
        EXPECT_EQ(board->MovesPerTeamTurn(), c.moves) << Name(c);
        EXPECT_EQ(board->PlayersPerTeam(), c.players) << Name(c);
        EXPECT_EQ(board->MovesPerPlayerTurn(), c.moves / c.players) << Name(c);
    }
}

TEST_F(OptionsMovesPlayersTest, ClosingWithoutOkLeavesTheBoardAsItWas)
{
    board->SetPlayersPerTeam(4);
    board->SetMovesPerTeamTurn(4);
    const std::string position = board->position();
    const auto dialog = OpenDialog();
    ChooseItem(Box(*dialog, "CbxMovesPerTeamTurn"), "1");
    // Settings that act only through "Ok" are left alone.
    ChooseItem(Box(*dialog, "CbxSelectStartPosition"), "Quadrant");
    TypeText(Box(*dialog, "CbxTimeWhite"), "15");
    ChooseItem(Box(*dialog, "CbxPieceSet"), "Automatic");

    dialog->close(); // the window's close button
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(board->MovesPerTeamTurn(), 4);
    EXPECT_EQ(board->PlayersPerTeam(), 4);
    EXPECT_EQ(board->MovesPerPlayerTurn(), 1);
    EXPECT_EQ(board->position(), position);
    EXPECT_EQ(board->StartPositionType(), SPClassic);
    EXPECT_EQ(board->TimeStartWhite(), 1.0 / 24.0);
    EXPECT_FALSE(board->CustomPieceSet().isNull());

    const auto reopened = OpenDialog();
    EXPECT_EQ(Box(*reopened, "CbxMovesPerTeamTurn").currentText(), "4");
    EXPECT_EQ(Box(*reopened, "CbxPlayersPerTeam").currentText(), "4");
    EXPECT_EQ(Box(*reopened, "CbxSelectStartPosition").currentText(), "Standard");
}

TEST_F(OptionsMovesPlayersTest, OpeningChangesNothingOnTheBoard)
{
    // Settings from elsewhere (a game file) may break the rule; the boxes
    // show them as they are, and only "Ok" acts on the board.
    board->SetMovesPerTeamTurn(2);
    board->SetPlayersPerTeam(4);
    const auto dialog = OpenDialog();
    EXPECT_EQ(Box(*dialog, "CbxPlayersPerTeam").currentText(), "4");
    EXPECT_EQ(Box(*dialog, "CbxMovesPerTeamTurn").currentText(), "2");
    EXPECT_EQ(board->PlayersPerTeam(), 4);
    EXPECT_EQ(board->MovesPerTeamTurn(), 2);

    // "Ok" does not set up a game in which a player has no move.
    const std::string position = board->position();
    ChooseItem(Box(*dialog, "CbxSelectStartPosition"), "Quadrant");
    PressOk(*dialog);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_NE(dialog->result(), QDialog::Accepted);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(board->position(), position);

    ChooseItem(Box(*dialog, "CbxMovesPerTeamTurn"), "4");
    PressOk(*dialog);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(board->MovesPerTeamTurn(), 4);
    EXPECT_EQ(board->PlayersPerTeam(), 4);
    EXPECT_EQ(board->StartPositionType(), SP2x2);
}

} // namespace
