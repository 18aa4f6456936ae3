// The window as laid out: caption, size, colours, font, captions, tab order,
// placement beside its owner, and which controls follow a resize.

#include <QApplication>
#include <QImage>

#include "moveListFixture.h"

namespace {

const QColor SkyBlue(135, 194, 240);

struct DesignedControl {
    const char* name;
    QRect designed;
    QRect afterGrowing; // the window grown by 200 x 100
};

const DesignedControl Controls[] = {
    {"LbxMoves", {10, 22, 294, 287}, {10, 22, 494, 387}},
    {"BtnSave", {8, 340, 57, 21}, {8, 340, 57, 21}},
    {"BtnLoad", {70, 340, 59, 20}, {70, 340, 59, 20}},
    {"ButtonBack", {130, 340, 57, 21}, {330, 440, 57, 21}},
    {"ButtonForward", {190, 340, 57, 21}, {390, 440, 57, 21}},
    {"BtnOK", {249, 340, 57, 21}, {449, 440, 57, 21}},
};

TEST_F(MoveListWindow, HasItsCaptionSizeFontAndColours)
{
    OpenWindow();

    EXPECT_EQ(window->windowTitle(), QStringLiteral("Movelist"));
    EXPECT_EQ(window->size(), QSize(314, 369));
    EXPECT_EQ(window->font().family(), QStringLiteral("Tahoma"));
    EXPECT_EQ(window->font().pointSize(), 8);
    // A spot of the window that no control covers, and the empty list.
    EXPECT_EQ(window->grab().toImage().pixelColor(4, 4), SkyBlue);
    EXPECT_EQ(List().viewport()->grab().toImage().pixelColor(20, 20), SkyBlue);
}

TEST_F(MoveListWindow, ShowsItsControlsWhereTheyWereDesigned)
{
    OpenWindow();
    for (const DesignedControl& control : Controls) {
        const QWidget* widget = window->findChild<QWidget*>(QString::fromLatin1(control.name));
        ASSERT_NE(widget, nullptr) << control.name;
        EXPECT_EQ(widget->geometry(), control.designed) << control.name;
    }
}

TEST_F(MoveListWindow, KeepsTheListAndTheRightButtonsWithTheEdgesWhenResized)
{
    OpenWindow();
    window->resize(314 + 200, 369 + 100);
    for (const DesignedControl& control : Controls)
        EXPECT_EQ(window->findChild<QWidget*>(QString::fromLatin1(control.name))->geometry(),
                  control.afterGrowing)
            << control.name;
}

TEST_F(MoveListWindow, LabelsItsButtonsWithWordsAndArrows)
{
    OpenWindow();
    EXPECT_EQ(Button("BtnSave").text(), QStringLiteral("Save"));
    EXPECT_EQ(Button("BtnLoad").text(), QStringLiteral("Load"));
    EXPECT_EQ(Button("ButtonBack").text(), QStringLiteral("\u2190"));
    EXPECT_EQ(Button("ButtonForward").text(), QStringLiteral("\u2192"));
    EXPECT_EQ(Button("BtnOK").text(), QStringLiteral("Ok"));
    EXPECT_TRUE(Button("BtnOK").isDefault());
}

TEST_F(MoveListWindow, TabsThroughItsControlsInTheDesignedOrder)
{
    OpenWindow();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    List().setFocus();

    std::vector<std::string> order{QApplication::focusWidget()->objectName().toStdString()};
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order.push_back(QApplication::focusWidget()->objectName().toStdString());
    }

    EXPECT_EQ(order, (std::vector<std::string>{"LbxMoves", "ButtonBack", "ButtonForward", "BtnOK", "BtnSave",
                                               "BtnLoad", "LbxMoves"}));
}

TEST_F(MoveListWindow, OpensLeftOfAndBelowTheOwnersCorner)
{
    owner.move(200, 100);
    OpenWindow();
    EXPECT_EQ(window->pos(), QPoint(190, 187));
}

TEST_F(MoveListWindow, OkClosesItAccepted)
{
    OpenWindow();
    Click("BtnOK");
    EXPECT_EQ(window->result(), QDialog::Accepted);
    EXPECT_FALSE(window->isVisible());
}

} // namespace
