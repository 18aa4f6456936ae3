// What the dialog shows when it opens: the board's settings in its boxes,
// the clocks in its labels, the board's piece set recognised by its picture,
// and choices made earlier coming back unchanged.

#include <QLabel>

#include "optionsSupport_test.h"
#include "sameBitmap.h"

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

QString Text(QWidget& dialog, const char* name)
{
    if (const auto* const label = dialog.findChild<QLabel*>(QString::fromLatin1(name)))
        return label->text();
    return Box(dialog, name).currentText();
}

using OptionsShowTest = OptionsTest;

TEST_F(OptionsShowTest, AtProgramStartShowsTheDefaults)
{
    const auto dialog = OpenDialog();
    const std::vector<std::pair<const char*, const char*>> expected = {
        {"CbxPieceSet", "Common"},     {"CbxSelectStartPosition", "Standard"},
        {"CbxRowShift", "0"},          {"CbxMovesPerTeamTurn", "4"},
        {"CbxPlayersPerTeam", "1"},    {"CbxTimeWhite", "60"},
        {"CbxIncrementWhite", "5"},    {"CbxTimeBlack", "60"},
        {"CbxIncrementBlack", "5"},    {"LblTimeLeftWhite", "White"},
        {"LblTimeLeftBlack", "Black"},
    };
    for (const auto& [name, text] : expected)
        EXPECT_EQ(Text(*dialog, name), text) << name;
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(OptionsShowTest, ShowsTheBoardsSettingsEachTimeItOpens)
{
    board->SetStartPositionRowShift(SP2RowShift);
    board->SetStartPositionType(static_cast<TStartPositionType>(2));
    board->SetPlayersPerTeam(2);
    board->SetMovesPerTeamTurn(2);
    board->SetTimeStartWhite(Minutes(15));
    board->SetTimeStartBlack(Minutes(120));
    board->SetTimeIncrementWhite(0.0);
    board->SetTimeIncrementBlack(Seconds(60));
    const auto dialog = OpenDialog();
    const std::vector<std::pair<const char*, const char*>> expected = {
        {"CbxSelectStartPosition", "Castling test"},
        {"CbxRowShift", "2"},
        {"CbxMovesPerTeamTurn", "2"},
        {"CbxPlayersPerTeam", "2"},
        {"CbxTimeWhite", "15"},
        {"CbxTimeBlack", "120"},
        {"CbxIncrementWhite", "0"},
        {"CbxIncrementBlack", "60"},
    };
    for (const auto& [name, text] : expected)
        EXPECT_EQ(Text(*dialog, name), text) << name;

    // Shown again (a new showing), it reads the board again.
    dialog->hide();
    board->SetTimeStartWhite(Minutes(45));
    dialog->show();
    EXPECT_EQ(Text(*dialog, "CbxTimeWhite"), "45");
}

struct ClockCase {
    const char* what;
    double start;
    double left;
    const char* label;
};

TEST_F(OptionsShowTest, ClockLabelsShowTimeLeftOnceAClockHasRun)
{
    const std::vector<ClockCase> cases = {
        {"not run yet", Minutes(60), Minutes(60), "%1"},
        {"after the first step", Minutes(60), Minutes(60) - Seconds(1), "%1s time left 0:59:59"},
        {"with increments gained", Minutes(60), Minutes(61) + Seconds(30), "%1s time left 1:01:30"},
        {"a day and an hour", Minutes(60), 25.0 / 24.0, "%1s time left 1:00:00"},
        {"after a flag fall", Minutes(60), Seconds(-0.1), "%1s time left 0:00:00"},
        {"zero start, not run", 0.0, 0.0, "%1"},
    };
    for (const ClockCase& c : cases) {
        board->SetTimeStartWhite(c.start);
        board->SetTimeLeftWhite(c.left);
        board->SetTimeStartBlack(c.start);
        board->SetTimeLeftBlack(c.left);
        const auto dialog = OpenDialog();
        EXPECT_EQ(Text(*dialog, "LblTimeLeftWhite"), QString::fromLatin1(c.label).arg("White")) << c.what;
        EXPECT_EQ(Text(*dialog, "LblTimeLeftBlack"), QString::fromLatin1(c.label).arg("Black")) << c.what;
        const auto* const label = dialog->findChild<QLabel*>(QStringLiteral("LblTimeLeftWhite"));
        EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text())) << c.what;
    }
}

struct PieceSetCase {
    const char* resource; ///< nullptr: no set of the host's
    const char* item;
};

TEST_F(OptionsShowTest, RecognisesTheBoardsPieceSetByItsPicture)
{
    const std::vector<PieceSetCase> cases = {
        {"ImageFr80", "Common"},
        {"ImageCm72", "French"},
        {"ImageFr80FlipBlack", "Common Flip Black"},
        {"ImageCm72FlipBlack", "French  Flip Black"},
        {nullptr, "Automatic"},
        {"ImageCm36", "Automatic"}, // a set the dialog does not offer
        {"ImageFr40", "Automatic"},
    };
    for (const PieceSetCase& c : cases) {
        // A copy made pixel by pixel: only the content can make the match.
        const QImage set = c.resource ? ResourceImage(QString::fromLatin1(c.resource)).copy() : QImage();
        board->SetCustomPieceSet(set);
        const auto dialog = OpenDialog();
        EXPECT_EQ(Text(*dialog, "CbxPieceSet"), c.item) << (c.resource ? c.resource : "none");
    }
}

TEST_F(OptionsShowTest, ChosenPieceSetReachesTheBoardAndComesBack)
{
    const std::vector<PieceSetCase> cases = {
        {"ImageCm72", "French"},
        {"ImageFr80FlipBlack", "Common Flip Black"},
        {"ImageCm72FlipBlack", "French  Flip Black"},
        {nullptr, "Automatic"},
        {"ImageFr80", "Common"},
    };
    for (const PieceSetCase& c : cases) {
        {
            const auto dialog = OpenDialog();
            ChooseItem(Box(*dialog, "CbxPieceSet"), QString::fromLatin1(c.item));
            PressOk(*dialog);
            EXPECT_EQ(dialog->result(), QDialog::Accepted) << c.item;
        }
        if (c.resource) {
            EXPECT_TRUE(SameBitmap(board->CustomPieceSet(), ResourceImage(QString::fromLatin1(c.resource))))
                << c.item;
        } else {
            EXPECT_TRUE(board->CustomPieceSet().isNull()) << c.item;
        }
        const auto reopened = OpenDialog();
        EXPECT_EQ(Text(*reopened, "CbxPieceSet"), c.item);
    }
}

TEST_F(OptionsShowTest, ChosenArrangementAndRowShiftComeBack)
{
    for (const char* position : {"Castling test", "Quadrant", "Standard"}) {
        for (const char* shift : {"1", "2", "0"}) {
            {
                const auto dialog = OpenDialog();
                ChooseItem(Box(*dialog, "CbxSelectStartPosition"), QString::fromLatin1(position));
                ChooseItem(Box(*dialog, "CbxRowShift"), QString::fromLatin1(shift));
                PressOk(*dialog);
            }
            const auto reopened = OpenDialog();
            EXPECT_EQ(Text(*reopened, "CbxSelectStartPosition"), position) << shift;
            EXPECT_EQ(Text(*reopened, "CbxRowShift"), shift) << position;
        }
    }
}

struct TypedCase {
    const char* box;
    const char* typed;
    double days; ///< what the board holds afterwards
};

// A typed time or increment is kept exactly, shown again as typed when the
// dialog next opens, and survives pressing "Ok" again. (Values the list does
// not hold used to come back empty or as the layout's "5", and 29 minutes as
// "30" through the rounding noise of 29 / 1440.)
TEST_F(OptionsShowTest, TypedTimesAndIncrementsComeBackUnchanged)
{
    const std::vector<TypedCase> cases = {
        {"CbxTimeWhite", "17", Minutes(17)},      {"CbxTimeWhite", "29", Minutes(29)},
        {"CbxTimeBlack", "29", Minutes(29)},      {"CbxTimeBlack", "0", 0.0},
        {"CbxIncrementWhite", "7", Seconds(7)},   {"CbxIncrementBlack", "7", Seconds(7)},
        {"CbxIncrementBlack", "-3", Seconds(-3)}, {"CbxTimeWhite", "30", Minutes(30)},
        {"CbxTimeWhite", "1000", Minutes(1000)},
    };
    const auto boardValue = [this](const char* box) {
        const QString name = QString::fromLatin1(box);
        if (name == "CbxTimeWhite")
            return board->TimeStartWhite();
        if (name == "CbxTimeBlack")
            return board->TimeStartBlack();
        if (name == "CbxIncrementWhite")
            return board->TimeIncrementWhite();
        return board->TimeIncrementBlack();
    };
    for (const TypedCase& c : cases) {
        board->InitOptions();
        {
            const auto dialog = OpenDialog();
            TypeText(Box(*dialog, c.box), QString::fromLatin1(c.typed));
            PressOk(*dialog);
            ASSERT_EQ(dialog->result(), QDialog::Accepted) << c.box << " " << c.typed;
        }
        EXPECT_EQ(boardValue(c.box), c.days) << c.box << " " << c.typed;
        {
            const auto reopened = OpenDialog();
            EXPECT_EQ(Text(*reopened, c.box), c.typed) << c.box;
            PressOk(*reopened);
            EXPECT_EQ(reopened->result(), QDialog::Accepted) << c.box << " " << c.typed;
        }
        EXPECT_EQ(boardValue(c.box), c.days) << c.box << " " << c.typed << " after a second Ok";
        EXPECT_TRUE(dialogs.messages.empty()) << c.box << " " << c.typed;
    }
}

TEST_F(OptionsShowTest, FractionalTimesFromElsewhereShowRoundedUp)
{
    board->SetTimeStartWhite(Minutes(59.5));
    board->SetTimeIncrementBlack(Seconds(4.2));
    const auto dialog = OpenDialog();
    EXPECT_EQ(Text(*dialog, "CbxTimeWhite"), "60");
    EXPECT_EQ(Box(*dialog, "CbxTimeWhite").currentIndex(), 3);
    EXPECT_EQ(Text(*dialog, "CbxIncrementBlack"), "5");
}

} // namespace
