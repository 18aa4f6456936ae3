// What "Ok" does: during a game it changes only the piece set; between games
// it sets up a new game with a fresh history; a box that holds no whole
// number stops it with a message, changing nothing, until it is corrected.

#include <QLineEdit>
#include <limits>

#include "optionsSupport_test.h"
#include "sameBitmap.h"
#include "startPositionCatalogue.h"

namespace {

// Whole minutes and seconds as the dialog turns them into days.
constexpr double Minutes(double minutes)
{
    return minutes / 1440.0;
}
constexpr double Seconds(double seconds)
{
    return seconds / 86400.0;
}

// What a finished or running game must keep when "Ok" only changes the piece set.
struct GameSnapshot {
    std::string position;
    std::string players;
    int lastMove;
    bool whiteToMove;
    char player;
    int moves;
    int playersPerTeam;
    double timeStartWhite, timeLeftWhite, incrementWhite;
    double timeStartBlack, timeLeftBlack, incrementBlack;
    int type, shift;
    std::string record0;

    static GameSnapshot Of(const TVeltanBrd& b)
    {
        return {b.position(),           b.players(),           b.LastMove,
                b.WhiteToMove(),        b.CurrentTeamPlayer(), b.MovesPerTeamTurn(),
                b.PlayersPerTeam(),     b.TimeStartWhite(),    b.TimeLeftWhite(),
                b.TimeIncrementWhite(), b.TimeStartBlack(),    b.TimeLeftBlack(),
                b.TimeIncrementBlack(), b.StartPositionType(), b.StartPositionRowShift(),
                b.MoveList[0].position};
    }
    bool operator==(const GameSnapshot&) const = default;
};

using OptionsOkTest = OptionsTest;

TEST_F(OptionsOkTest, DuringAGameOkChangesOnlyThePieceSet)
{
    StartGameWithOneMove();
    board->SetTimeLeftWhite(board->TimeLeftWhite() - Seconds(7));
    const GameSnapshot before = GameSnapshot::Of(*board);
    const auto dialog = OpenDialog();
    ChooseItem(Box(*dialog, "CbxPieceSet"), "French");
    PressOk(*dialog);

    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_TRUE(SameBitmap(board->CustomPieceSet(), ResourceImage("ImageCm72")));
    EXPECT_TRUE(GameSnapshot::Of(*board) == before);
    EXPECT_FALSE(board->GameEnded());
}

// A game that ends while the dialog is open (a flag fall) is not replaced:
// the dialog was opened to change the piece set, and the finished game's
// position and record stay for the move list and the game file.
TEST_F(OptionsOkTest, GameEndingWhileOpenIsNotReplacedByOk)
{
    StartGameWithOneMove();
    const auto dialog = OpenDialog();
    board->SetTimeLeftWhite(Seconds(-0.1));
    board->SetGameEnded(true); // the clock's flag fall
    const GameSnapshot before = GameSnapshot::Of(*board);
    ChooseItem(Box(*dialog, "CbxPieceSet"), "French  Flip Black");
    PressOk(*dialog);

    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_TRUE(SameBitmap(board->CustomPieceSet(), ResourceImage("ImageCm72FlipBlack")));
    EXPECT_TRUE(GameSnapshot::Of(*board) == before);
    EXPECT_EQ(board->LastMove, 1);
    EXPECT_TRUE(board->GameEnded());
}

TEST_F(OptionsOkTest, BetweenGamesOkSetsUpTheChosenGame)
{
    const auto dialog = OpenDialog();
    ChooseItem(Box(*dialog, "CbxPieceSet"), "Common Flip Black");
    ChooseItem(Box(*dialog, "CbxSelectStartPosition"), "Quadrant");
    ChooseItem(Box(*dialog, "CbxRowShift"), "1");
    ChooseItem(Box(*dialog, "CbxPlayersPerTeam"), "2");
    ChooseItem(Box(*dialog, "CbxMovesPerTeamTurn"), "2");
    TypeText(Box(*dialog, "CbxTimeWhite"), "45");
    TypeText(Box(*dialog, "CbxTimeBlack"), "90");
    ChooseItem(Box(*dialog, "CbxIncrementWhite"), "10");
    TypeText(Box(*dialog, "CbxIncrementBlack"), "3");
    PressOk(*dialog);

    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(SameBitmap(board->CustomPieceSet(), ResourceImage("ImageFr80FlipBlack")));
    EXPECT_EQ(board->StartPositionType(), SP2x2);
    EXPECT_EQ(board->StartPositionRowShift(), SP1RowShift);
    EXPECT_EQ(board->PlayersPerTeam(), 2);
    EXPECT_EQ(board->MovesPerTeamTurn(), 2);
    EXPECT_EQ(board->MovesPerPlayerTurn(), 1);
    EXPECT_EQ(board->TimeStartWhite(), Minutes(45));
    EXPECT_EQ(board->TimeLeftWhite(), Minutes(45));
    EXPECT_EQ(board->TimeStartBlack(), Minutes(90));
    EXPECT_EQ(board->TimeLeftBlack(), Minutes(90));
    EXPECT_EQ(board->TimeIncrementWhite(), Seconds(10));
    EXPECT_EQ(board->TimeIncrementBlack(), Seconds(3));
    EXPECT_EQ(board->position(), catalogue::CataloguePosition(catalogue::QuadrantEntry, 1));
    EXPECT_EQ(board->players(), catalogue::CataloguePlayers(catalogue::QuadrantEntry, 1, 2));
    EXPECT_EQ(board->StartPosition(), board->position());
    EXPECT_EQ(board->StartPlayers(), board->players());
    EXPECT_TRUE(board->WhiteToMove());
    EXPECT_EQ(board->CurrentTeamPlayer(), '1');
    EXPECT_EQ(board->MovesMadeInTurn(), 0);
    EXPECT_TRUE(board->GameEnded()); // play starts with "Start/Stop"
    EXPECT_TRUE(dialogs.messages.empty());
}

// The new game's moves must not follow the old game's in the move list or a
// saved file: after a finished game the history starts again at record 0.
TEST_F(OptionsOkTest, GameSetUpAfterAFinishedOneHasAFreshHistory)
{
    board->SetGameEnded(false);
    for (int i = 0; i < 6; ++i) {
        const auto moves = LegalMoves(*board);
        ASSERT_FALSE(moves.empty());
        ASSERT_TRUE(board->move(moves.front().first, moves.front().second));
    }
    ASSERT_EQ(board->LastMove, 6);
    ASSERT_TRUE(board->MoveBackward()); // the user stepped back in the move list
    board->SetGameEnded(true);

    const auto dialog = OpenDialog();
    ChooseItem(Box(*dialog, "CbxSelectStartPosition"), "Castling test");
    ChooseItem(Box(*dialog, "CbxRowShift"), "2");
    PressOk(*dialog);
    ASSERT_EQ(dialog->result(), QDialog::Accepted);

    const std::string start = catalogue::CataloguePosition(catalogue::CastlingTestEntry, 2);
    const std::string owners = catalogue::CataloguePlayers(catalogue::CastlingTestEntry, 2, 1);
    EXPECT_EQ(board->LastMove, 0);
    const MoveInfo record = board->GetMove(0);
    EXPECT_EQ(record.position, start);
    EXPECT_EQ(record.players, owners);
    EXPECT_TRUE(record.WhiteTeamIsPlaying);
    EXPECT_EQ(record.OldSquare, SqrNone);
    EXPECT_EQ(record.NewSquare, SqrNone);
    EXPECT_EQ(board->position(), start);

    // Nothing of the old game is reachable any more.
    std::vector<std::string> listed;
    board->GetMoveList(listed);
    EXPECT_TRUE(listed.empty());
    EXPECT_FALSE(board->MoveForward());
    for (int moveno = 1; moveno <= 6; ++moveno)
        EXPECT_FALSE(board->GotoMove(moveno)) << moveno;
    EXPECT_EQ(board->position(), start);
    std::string why;
    EXPECT_TRUE(board->CheckConsistency(why)) << why;

    // The new game's first move is move 1, and stepping back finds its start.
    board->SetGameEnded(false);
    const auto moves = LegalMoves(*board);
    ASSERT_FALSE(moves.empty());
    ASSERT_TRUE(board->move(moves.front().first, moves.front().second));
    EXPECT_EQ(board->LastMove, 1);
    listed.clear();
    board->GetMoveList(listed);
    EXPECT_EQ(listed.size(), 1u);
    ASSERT_TRUE(board->MoveBackward());
    EXPECT_EQ(board->position(), start);
    EXPECT_EQ(board->players(), owners);
}

struct BadTextCase {
    const char* box;
    const char* text;
};

// Nothing is applied until every box reads as a whole number: the message
// names the first box that does not, in the order the settings are applied,
// the dialog stays open on it, and a corrected box lets "Ok" through.
TEST_F(OptionsOkTest, TextThatIsNoWholeNumberStopsOkUntilCorrected)
{
    const std::vector<BadTextCase> cases = {
        {"CbxTimeWhite", ""},
        {"CbxTimeWhite", "abc"},
        {"CbxTimeBlack", "12.5"},
        {"CbxIncrementWhite", " "},
        {"CbxIncrementBlack", "1e3"},
        {"CbxIncrementBlack", "0x10"},
        {"CbxTimeBlack", "99999999999"},
        {"CbxIncrementWhite", "5 s"},
        {"CbxTimeWhite", "'%1'"},
    };
    for (const BadTextCase& c : cases) {
        board->InitOptions();
        board->NewGame();
        board->SetCustomPieceSet(ResourceImage("ImageFr80"));
        dialogs.messages.clear();
        const GameSnapshot before = GameSnapshot::Of(*board);
        const auto dialog = OpenDialog();
        ChooseItem(Box(*dialog, "CbxPieceSet"), "French");
        ChooseItem(Box(*dialog, "CbxRowShift"), "2");
        TypeText(Box(*dialog, "CbxTimeWhite"), "30");
        TypeText(Box(*dialog, c.box), QString::fromLatin1(c.text));
        PressOk(*dialog);

        const std::string what = std::string(c.box) + " '" + c.text + "'";
        ASSERT_EQ(dialogs.messages.size(), 1u) << what;
        EXPECT_EQ(dialogs.messages[0], QStringLiteral("'%1' is not a valid integer value").arg(c.text))
            << what;
        EXPECT_TRUE(dialog->isVisible()) << what;
        EXPECT_NE(dialog->result(), QDialog::Accepted) << what;
        EXPECT_TRUE(GameSnapshot::Of(*board) == before) << what;
        EXPECT_TRUE(SameBitmap(board->CustomPieceSet(), ResourceImage("ImageFr80"))) << what;
        // Back on the box to correct, its text ready to be typed over.
        QComboBox& bad = Box(*dialog, c.box);
        EXPECT_TRUE(dialog->focusWidget() == &bad || dialog->focusWidget() == bad.lineEdit()) << what;
        EXPECT_EQ(bad.lineEdit()->selectedText(), QString::fromLatin1(c.text)) << what;

        TypeText(Box(*dialog, c.box), "15");
        PressOk(*dialog);
        EXPECT_EQ(dialogs.messages.size(), 1u) << what;
        EXPECT_EQ(dialog->result(), QDialog::Accepted) << what;
        EXPECT_EQ(board->StartPositionRowShift(), SP2RowShift) << what;
        EXPECT_TRUE(SameBitmap(board->CustomPieceSet(), ResourceImage("ImageCm72"))) << what;
        const QString box = QString::fromLatin1(c.box);
        const double expected = box.startsWith("CbxTime") ? Minutes(15) : Seconds(15);
        const double actual = box == "CbxTimeWhite"        ? board->TimeStartWhite()
                              : box == "CbxTimeBlack"      ? board->TimeStartBlack()
                              : box == "CbxIncrementWhite" ? board->TimeIncrementWhite()
                                                           : board->TimeIncrementBlack();
        EXPECT_EQ(actual, expected) << what;
    }
}

TEST_F(OptionsOkTest, FirstBadBoxInApplyingOrderIsTheOneNamed)
{
    const auto dialog = OpenDialog();
    TypeText(Box(*dialog, "CbxTimeBlack"), "late");
    TypeText(Box(*dialog, "CbxTimeWhite"), "soon");
    TypeText(Box(*dialog, "CbxIncrementBlack"), "first");
    PressOk(*dialog);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], "'first' is not a valid integer value");

    TypeText(Box(*dialog, "CbxIncrementBlack"), "5");
    PressOk(*dialog);
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[1], "'soon' is not a valid integer value");
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(OptionsOkTest, DuringAGameBadTextInTheDisabledBoxesIsNeverRead)
{
    // The boxes show what the board holds; even a value that cannot be shown
    // as a whole number does not stop a piece-set change during a game.
    board->SetTimeStartWhite(std::numeric_limits<double>::quiet_NaN());
    StartGameWithOneMove();
    const auto dialog = OpenDialog();
    EXPECT_EQ(Box(*dialog, "CbxTimeWhite").currentText(), "");
    ChooseItem(Box(*dialog, "CbxPieceSet"), "Automatic");
    PressOk(*dialog);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(board->CustomPieceSet().isNull());
}

} // namespace
