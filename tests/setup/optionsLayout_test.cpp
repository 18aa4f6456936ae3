// The dialog as it opens: its layout, where it stands next to the main
// window, the boxes that follow the right edge, and which boxes take input
// during and between games.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "labelFitting.h"
#include "optionsSupport_test.h"

namespace {

struct PlacedWidget {
    const char* name;
    const char* parent;
    int x;
    int y;
    int width; ///< 0: a label sized by its text
    int height;
    const char* box = nullptr; ///< the box a label names
};

const std::vector<PlacedWidget>& Layout()
{
    static const std::vector<PlacedWidget> layout = {
        {"Label2", "TFrmVeltanOptions", 39, 11, 0, 0, "CbxPieceSet"},
        {"CbxPieceSet", "TFrmVeltanOptions", 93, 8, 114, 21},
        {"Label5", "TFrmVeltanOptions", 45, 37, 0, 0, "CbxSelectStartPosition"},
        {"CbxSelectStartPosition", "TFrmVeltanOptions", 93, 34, 114, 21},
        {"Label6", "TFrmVeltanOptions", 39, 64, 0, 0, "CbxRowShift"},
        {"CbxRowShift", "TFrmVeltanOptions", 93, 61, 114, 21},
        {"Label7", "TFrmVeltanOptions", 9, 91, 0, 0, "CbxMovesPerTeamTurn"},
        {"CbxMovesPerTeamTurn", "TFrmVeltanOptions", 93, 88, 114, 21},
        {"Label8", "TFrmVeltanOptions", 1, 118, 0, 0, "CbxPlayersPerTeam"},
        {"CbxPlayersPerTeam", "TFrmVeltanOptions", 93, 115, 114, 21},
        {"Panel1", "TFrmVeltanOptions", -6, 145, 213, 185},
        {"LblTimeLeftWhite", "Panel1", 32, 21, 0, 0},
        {"Label9", "Panel1", 48, 40, 0, 0, "CbxTimeWhite"},
        {"CbxTimeWhite", "Panel1", 100, 37, 57, 21},
        {"Label10", "Panel1", 12, 67, 0, 0, "CbxIncrementWhite"},
        {"CbxIncrementWhite", "Panel1", 100, 64, 57, 21},
        {"LblTimeLeftBlack", "Panel1", 32, 101, 0, 0},
        {"Label12", "Panel1", 40, 120, 0, 0, "CbxTimeBlack"},
        {"CbxTimeBlack", "Panel1", 100, 117, 57, 21},
        {"Label13", "Panel1", 12, 147, 0, 0, "CbxIncrementBlack"},
        {"CbxIncrementBlack", "Panel1", 100, 144, 57, 21},
        {"BtnOK", "TFrmVeltanOptions", 93, 336, 114, 25},
    };
    return layout;
}

struct BoxContent {
    const char* name;
    QStringList items;
    bool editable;
};

const QStringList TimeItems = {"15", "30", "45", "60", "75", "90", "105", "120"};
const QStringList IncrementItems = {"0", "5", "10", "15", "30", "45", "60"};

const std::vector<BoxContent>& Contents()
{
    static const std::vector<BoxContent> contents = {
        {"CbxPieceSet", {"Common", "French", "Common Flip Black", "French  Flip Black", "Automatic"}, false},
        {"CbxSelectStartPosition", {"Standard", "Quadrant", "Castling test"}, false},
        {"CbxRowShift", {"0", "1", "2"}, false},
        {"CbxMovesPerTeamTurn", {"1", "2", "4"}, false},
        {"CbxPlayersPerTeam", {"1", "2", "4"}, false},
        {"CbxTimeWhite", TimeItems, true},
        {"CbxIncrementWhite", IncrementItems, true},
        {"CbxTimeBlack", TimeItems, true},
        {"CbxIncrementBlack", IncrementItems, true},
    };
    return contents;
}

const char* const GameBoxes[] = {"CbxSelectStartPosition", "CbxRowShift",      "CbxMovesPerTeamTurn",
                                 "CbxPlayersPerTeam",      "CbxTimeWhite",     "CbxTimeBlack",
                                 "CbxIncrementWhite",      "CbxIncrementBlack"};

using OptionsLayoutTest = OptionsTest;

TEST_F(OptionsLayoutTest, WindowHasItsCaptionSizeColourAndFont)
{
    const auto dialog = OpenDialog();
    EXPECT_EQ(dialog->windowTitle(), "Options");
    EXPECT_EQ(dialog->size(), QSize(215, 369));
    EXPECT_EQ(dialog->font().family(), "Tahoma");
    EXPECT_EQ(dialog->font().pointSize(), 8);
    EXPECT_FALSE(dialog->font().bold());
    // The background as drawn, next to the labels and under the panel's children.
    const QImage picture = dialog->grab().toImage();
    for (const QPoint at : {QPoint(2, 2), QPoint(5, 200), QPoint(210, 360)})
        EXPECT_EQ(QColor(picture.pixel(at)), QColor(135, 194, 240)) << at.x() << "," << at.y();
}

TEST_F(OptionsLayoutTest, ControlsStandWhereTheLayoutPutsThem)
{
    const auto dialog = OpenDialog();
    for (const PlacedWidget& placed : Layout()) {
        const auto* const widget = dialog->findChild<QWidget*>(QString::fromLatin1(placed.name));
        ASSERT_NE(widget, nullptr) << placed.name;
        EXPECT_EQ(widget->parentWidget()->objectName(), placed.parent) << placed.name;
        if (placed.box == nullptr) {
            EXPECT_EQ(widget->pos(), QPoint(placed.x, placed.y)) << placed.name;
        } else {
            // A label stands where the layout puts it unless the stand-in
            // font's text would run under its box (KeepLabelBeforeBox).
            const auto* const box = dialog->findChild<QWidget*>(QString::fromLatin1(placed.box));
            EXPECT_EQ(widget->y(), placed.y) << placed.name;
            EXPECT_LE(widget->x(), placed.x) << placed.name;
            if (placed.x + widget->width() + LabelToBoxGap <= box->x()) {
                EXPECT_EQ(widget->x(), placed.x) << placed.name;
            }
        }
        if (placed.width > 0) {
            EXPECT_EQ(widget->size(), QSize(placed.width, placed.height)) << placed.name;
        }
    }
}

TEST_F(OptionsLayoutTest, LabelsShowTheirCaptionsInFull)
{
    const auto dialog = OpenDialog();
    const std::vector<std::pair<const char*, const char*>> captions = {
        {"Label2", "Piece set"},      {"Label5", "Position"},         {"Label6", "RowShift"},
        {"Label7", "Moves per turn"}, {"Label8", "Players per team"}, {"LblTimeLeftWhite", "White"},
        {"Label9", "Time(min)"},      {"Label10", "Increment(Sec)"},  {"LblTimeLeftBlack", "Black"},
        {"Label12", "Time(min)"},     {"Label13", "Increment(Sec)"},
    };
    for (const auto& [name, caption] : captions) {
        const auto* const label = dialog->findChild<QLabel*>(QString::fromLatin1(name));
        ASSERT_NE(label, nullptr) << name;
        EXPECT_EQ(label->text(), caption) << name;
        EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text())) << name;
    }
    const auto* const ok = dialog->findChild<QPushButton*>(QStringLiteral("BtnOK"));
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), "Ok");
}

TEST_F(OptionsLayoutTest, BoxesOfferTheirEntries)
{
    const auto dialog = OpenDialog();
    for (const BoxContent& content : Contents()) {
        const QComboBox& box = Box(*dialog, content.name);
        QStringList items;
        for (int i = 0; i < box.count(); ++i)
            items << box.itemText(i);
        EXPECT_EQ(items, content.items) << content.name;
        EXPECT_EQ(box.isEditable(), content.editable) << content.name;
    }
}

TEST_F(OptionsLayoutTest, TypingInATimeBoxAddsNoEntryAndAnEmptyOneHintsSixty)
{
    const auto dialog = OpenDialog();
    for (const char* name : {"CbxTimeWhite", "CbxTimeBlack"}) {
        QComboBox& box = Box(*dialog, name);
        TypeText(box, "17");
        QTest::keyClick(box.lineEdit(), Qt::Key_Return);
        EXPECT_EQ(box.count(), TimeItems.size()) << name;
        TypeText(box, "");
        EXPECT_EQ(box.lineEdit()->placeholderText(), "60") << name;
    }
}

TEST_F(OptionsLayoutTest, OpensBesideTheMainWindow)
{
    owner.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
    const auto dialog = OpenDialog();
    EXPECT_EQ(dialog->frameGeometry().topLeft(), owner.frameGeometry().topLeft() + QPoint(-10, 87));
    EXPECT_EQ(dialog->parentWidget(), &owner);
    EXPECT_TRUE(dialog->isWindow());
}

TEST_F(OptionsLayoutTest, UpperBoxesAndClockPanelFollowTheRightEdge)
{
    const auto dialog = OpenDialog();
    struct Shift {
        const char* name;
        int dx; ///< how far it moves when the window grows by 40 pixels
    };
    const std::vector<Shift> shifts = {
        {"CbxPieceSet", 40},
        {"CbxSelectStartPosition", 40},
        {"CbxRowShift", 40},
        {"CbxMovesPerTeamTurn", 40},
        {"CbxPlayersPerTeam", 40},
        {"Label2", 40},
        {"Label5", 40},
        {"Label6", 40},
        {"Label7", 40},
        {"Label8", 40},
        {"Panel1", 40},
        {"CbxTimeWhite", 0}, // inside the panel, which moves as a whole
        {"BtnOK", 0},        // anchored to the left
    };
    std::vector<QPoint> before;
    for (const Shift& shift : shifts)
        before.push_back(dialog->findChild<QWidget*>(QString::fromLatin1(shift.name))->pos());
    dialog->resize(255, 400);
    for (std::size_t i = 0; i < shifts.size(); ++i)
        EXPECT_EQ(dialog->findChild<QWidget*>(QString::fromLatin1(shifts[i].name))->pos(),
                  before[i] + QPoint(shifts[i].dx, 0))
            << shifts[i].name;
    EXPECT_EQ(dialog->findChild<QWidget*>(QStringLiteral("CbxPieceSet"))->pos(), QPoint(133, 8));
    EXPECT_EQ(dialog->findChild<QWidget*>(QStringLiteral("Panel1"))->pos(), QPoint(34, 145));
}

struct EnablingCase {
    const char* when;
    bool gameRunning;
};

TEST_F(OptionsLayoutTest, GameBoxesTakeInputOnlyBetweenGames)
{
    for (const EnablingCase& c :
         {EnablingCase{"between games", false}, EnablingCase{"during a game", true}}) {
        board->InitOptions();
        board->NewGame();
        board->SetGameEnded(!c.gameRunning);
        const auto dialog = OpenDialog();
        for (const char* name : GameBoxes)
            EXPECT_EQ(Box(*dialog, name).isEnabled(), !c.gameRunning) << name << " " << c.when;
        EXPECT_TRUE(Box(*dialog, "CbxPieceSet").isEnabled()) << c.when;
        EXPECT_TRUE(dialog->findChild<QPushButton*>(QStringLiteral("BtnOK"))->isEnabled()) << c.when;

        // A disabled box ignores the keys that would choose another entry.
        QComboBox& moves = Box(*dialog, "CbxMovesPerTeamTurn");
        const QString before = moves.currentText();
        QTest::keyClick(&moves, Qt::Key_Home);
        EXPECT_EQ(moves.currentText() != before, !c.gameRunning) << c.when;
    }
}

TEST_F(OptionsLayoutTest, BoxesStayAsCreatedWhenTheGameStateChanges)
{
    board->SetGameEnded(false);
    const auto dialog = OpenDialog();
    board->SetGameEnded(true);
    dialog->hide();
    dialog->show();
    for (const char* name : GameBoxes)
        EXPECT_FALSE(Box(*dialog, name).isEnabled()) << name;
}

} // namespace
