// "Game Options" on a stopped game: the game, its turn state and the kept
// file change only when "Ok" really sets up a new game.

#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include "appTestSupport.h"
#include "unfinishedGame.h"

namespace {

const QString AbandonText = QStringLiteral("Abandon the game in progress?");

struct TOptionsCase {
    const char* name;
    const char* moves;    ///< chosen in "Moves per turn"; null: left alone
    const char* pieceSet; ///< chosen in "Piece set"; null: left alone
    bool pressOk;         ///< else the dialog is closed with its close button
    bool abandon;         ///< the answer to the abandon question
    bool asked;
    bool newGame;
};

void PrintTo(const TOptionsCase& c, std::ostream* os)
{
    *os << c.name;
}

// The kept file as the player would resume it; the moment of writing aside.
QByteArray KeptContent(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll())
        .remove(QRegularExpression(QStringLiteral(" DateTime=\"[^\"]*\"")))
        .toUtf8();
}

void Choose(QDialog& dialog, const char* boxName, const char* text)
{
    auto* const box = dialog.findChild<QComboBox*>(QString::fromLatin1(boxName));
    ASSERT_NE(box, nullptr) << boxName;
    const int index = box->findText(QString::fromUtf8(text));
    ASSERT_GE(index, 0) << text;
    box->setCurrentIndex(index);
    // As the player's pick arrives: the boxes act on `activated`, never on changes made from code.
    emit box->activated(index);
}

class GameOptions : public TMainWindowTest, public testing::WithParamInterface<TOptionsCase> {
protected:
    // A 4-move game stopped in White's first turn after two moves, kept on
    // close and resumed, as the player finds it at the next start.
    void SetUp() override
    {
        TMainWindowTest::SetUp();
        ASSERT_EQ(Board().MovesPerTeamTurn(), 4);
        Window().StartStop();
        for (int made = 0; made < 2; ++made)
            ASSERT_TRUE(MakeFirstLegalMove(Board()));
        Window().StartStop();
        dialogs.choice = TChoiceAnswer::First; // "Resume"
        Reopen();
        ASSERT_EQ(Board().LastMove, 2);
        dialogs.questions.clear();
    }
};

} // namespace

TEST_P(GameOptions, ChangeTheGameOnlyWhenOkSetsUpANewOne)
{
    const TOptionsCase& c = GetParam();
    const QString path = Window().KeptGame().Path();
    Window().KeptGame().Flush();
    const QByteArray keptBefore = KeptContent(path);
    ASSERT_FALSE(keptBefore.isEmpty());
    const QString status = Status();
    const bool white = Board().WhiteToMove();
    const char player = Board().CurrentTeamPlayer();
    const int madeInTurn = Board().MovesMadeInTurn();
    dialogs.yes = c.abandon;
    RunDialog = [&c](QDialog& dialog) {
        dialog.show(); // its boxes take the board's game, as in the modal loop
        if (c.moves != nullptr)
            Choose(dialog, "CbxMovesPerTeamTurn", c.moves);
        if (c.pieceSet != nullptr)
            Choose(dialog, "CbxPieceSet", c.pieceSet);
        if (c.pressOk)
            dialog.findChild<QPushButton*>(QStringLiteral("BtnOK"))->click();
        // What is still open after "Ok" (the answer "No") is closed as the player closes it.
        dialog.close();
        return dialog.result();
    };
    PressCtrl(Qt::Key_O);

    EXPECT_EQ(dialogs.questions, c.asked ? std::vector<QString>{AbandonText} : std::vector<QString>{});
    if (c.newGame) {
        EXPECT_EQ(Board().LastMove, 0);
        EXPECT_EQ(Board().MovesPerTeamTurn(), 1);
        return;
    }
    EXPECT_EQ(Board().LastMove, 2);
    EXPECT_EQ(Board().MovesPerTeamTurn(), 4);
    EXPECT_EQ(Board().PlayersPerTeam(), 1);
    EXPECT_EQ(Board().WhiteToMove(), white);
    EXPECT_EQ(Board().CurrentTeamPlayer(), player);
    EXPECT_EQ(Board().MovesMadeInTurn(), madeInTurn);
    EXPECT_EQ(Status(), status) << "the stopped game's status line stays";
    Window().close(); // keeps the game, as at every close
    EXPECT_EQ(KeptContent(path), keptBefore);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GameOptions,
    testing::Values(TOptionsCase{"MovesChangedThenClosed", "1", nullptr, false, false, false, false},
                    TOptionsCase{"MovesChangedOkAnsweredNo", "1", nullptr, true, false, true, false},
                    TOptionsCase{"MovesChangedOkAnsweredYes", "1", nullptr, true, true, true, true},
                    TOptionsCase{"PieceSetOnlyOk", nullptr, "French", true, false, false, false},
                    TOptionsCase{"NothingChangedOk", nullptr, nullptr, true, false, false, false}),
    [](const testing::TestParamInfo<TOptionsCase>& info) { return std::string(info.param.name); });
