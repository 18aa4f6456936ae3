// The main window as the players see it: frame, panels, menu, the hidden
// controls, and the commands that only show something or switch the view.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <cstdlib>

#include "appTestSupport.h"

namespace {

class MainWindowLook : public TMainWindowTest {};

TEST_F(MainWindowLook, ClientAreaOpensAtItsDesignedSizeLightBlueWithTheBoardInside)
{
    QWidget* const client = Window().centralWidget();
    ASSERT_NE(client, nullptr);
    EXPECT_EQ(client->size(), QSize(876, 931));
    EXPECT_LT(Window().minimumSize().height(), Window().height()) << "the frame can be resized";
    EXPECT_GT(Window().maximumSize().height(), Window().height()) << "the frame can be resized";
    EXPECT_TRUE(Window().windowTitle().isEmpty()) << "the window shows the application title";
    EXPECT_FALSE(Window().windowIcon().isNull());

    EXPECT_EQ(Board().geometry(), QRect(27, 25, 816, 816));
    EXPECT_EQ(Board().SizeOfSquare(), 48);

    // The background between board and status line, read from the window's own picture.
    const QImage picture = client->grab().toImage();
    EXPECT_EQ(picture.pixelColor(860, 880), QColor(135, 194, 240));
    EXPECT_EQ(picture.pixelColor(3, 3), QColor(135, 194, 240));
}

TEST_F(MainWindowLook, StandsInTheMiddleOfTheWholeDesktop)
{
    const QRect desktop = QGuiApplication::primaryScreen()->virtualGeometry();
    const QPoint offCentre = Window().frameGeometry().center() - desktop.center();
    // Platforms place a frame a pixel or two apart; centred means within a few.
    EXPECT_LE(std::abs(offCentre.x()), 4) << offCentre.x();
    EXPECT_LE(std::abs(offCentre.y()), 4) << offCentre.y();
}

TEST_F(MainWindowLook, BoardShowsTheWindowsColoursAndTheFrenchPieces)
{
    // Rank 08 is empty at the start: A08 is a dark square, B08 a light one.
    EXPECT_EQ(CanvasColor(SquareOrigin(A08) + QPoint(24, 24)), PlatformRgb(255, 255, 255));
    EXPECT_EQ(CanvasColor(SquareOrigin(B08) + QPoint(24, 24)), PlatformRgb(135, 194, 240));
    EXPECT_EQ(CanvasColor(QPoint(5, 400)), PlatformRgb(192, 192, 192));
    EXPECT_EQ(Board().PieceSize(), 80);
    EXPECT_TRUE(Board().DisplayCoords().Empty());
    EXPECT_FALSE(Board().isEnabled());
    EXPECT_TRUE(Board().GameEnded());
}

TEST_F(MainWindowLook, OnlyTheBoardAndTheThreeLabelsAreVisible)
{
    for (const char* name :
         {"Label3", "SpinEdit1", "Label4", "ComboBox2", "RadioGroup1", "RadioGroup2", "CheckBoxLines",
          "Buttonnew", "ButtonMove", "ButtonStop", "ButtonBack", "ButtonForward"}) {
        auto* const control = Window().findChild<QWidget*>(QString::fromLatin1(name));
        ASSERT_NE(control, nullptr) << name;
        EXPECT_FALSE(control->isVisible()) << name;
    }
    for (const char* name : {"LblStatusMovesLeftInTurn", "LblTimeLeftWhite", "LblTimeLeftBlack"}) {
        EXPECT_TRUE(Label(name).isVisible()) << name;
        EXPECT_EQ(Label(name).text(), QStringLiteral(" ")) << name;
    }
    EXPECT_TRUE(Board().isVisible());
}

struct TMenuRow {
    const char* caption;
    const char* shortcut;
};

// The one menu, top to bottom.
const TMenuRow MenuRows[] = {
    {"New game", "Ctrl+N"},
    {"Game Options", "Ctrl+O"},
    {"White on top", "Ctrl+W"},
    {"Show Coordinates", "Ctrl+C"},
    {"Show last move", ""},
    {"Show Movelist", "Ctrl+M"},
    {"Open game…", "Ctrl+Shift+O"},
    {"Save game…", "Ctrl+Shift+S"},
    {"How to play", "F1"},
    {"Information", "Ctrl+I"},
    {"Start/Stop", "Ctrl+S"},
    {"Disclaimer", "Ctrl+D"},
    {"Test", ""},
    {"", ""},
    {"Computer plays White", ""},
    {"Computer plays Black", ""},
    {"Computer level", ""},
    {"Computer engine", ""},
    {"Move now", "Ctrl+Return"},
    {"Suggest a move", "Ctrl+H"},
    {"", ""},
    {"Quit", "Ctrl+Q"},
};

TEST_F(MainWindowLook, OneMenuHoldsTheGameCommandsThenTheComputersInOrderWithTheirShortcuts)
{
    const auto* const bar = Window().menuBar();
    ASSERT_NE(bar, nullptr);
    const QList<QAction*> top = bar->actions();
    ASSERT_EQ(top.size(), 1);
    EXPECT_EQ(top.front()->text(), QStringLiteral("       Veltan"));
    const QMenu* const menu = top.front()->menu();
    ASSERT_NE(menu, nullptr);
    const QList<QAction*> commands = menu->actions();
    ASSERT_EQ(static_cast<std::size_t>(commands.size()), std::size(MenuRows));
    for (std::size_t i = 0; i < std::size(MenuRows); ++i) {
        const QAction& command = *commands[static_cast<qsizetype>(i)];
        EXPECT_EQ(command.text(), QString::fromUtf8(MenuRows[i].caption));
        EXPECT_EQ(command.shortcut(), QKeySequence(QString::fromUtf8(MenuRows[i].shortcut)))
            << MenuRows[i].caption;
    }
    // No key reaches two commands.
    QList<QKeySequence> keys;
    for (const QAction* const command : Window().findChildren<QAction*>())
        for (const QKeySequence& key : command->shortcuts()) {
            EXPECT_FALSE(keys.contains(key)) << key.toString().toStdString();
            keys.append(key);
        }
}

class ViewSwitches : public TMainWindowTest {};

TEST_F(ViewSwitches, CtrlCShowsCoordinatesOnAllSidesAndTakesThemAllAway)
{
    const TColor borderBefore = CanvasColor(QPoint(12, 24 + 48 * 8 + 24));
    PressCtrl(Qt::Key_C);
    EXPECT_EQ(Board().DisplayCoords(), CoordSet::All());
    EXPECT_TRUE(Action(QStringLiteral("Show Coordinates")).isChecked());
    // A rank number now stands in the west border, half-way down the ninth rank.
    QImage strip = Board().Canvas().copy(0, 24 + 48 * 8, 24, 48);
    bool inked = false;
    for (int y = 0; y < strip.height(); ++y)
        for (int x = 0; x < strip.width(); ++x)
            inked |= strip.pixelColor(x, y) != ColorFromPlatform(borderBefore);
    EXPECT_TRUE(inked);

    PressCtrl(Qt::Key_C);
    EXPECT_TRUE(Board().DisplayCoords().Empty());
    EXPECT_FALSE(Action(QStringLiteral("Show Coordinates")).isChecked());
}

TEST_F(ViewSwitches, CtrlWTurnsTheBoardRoundAndBack)
{
    PressCtrl(Qt::Key_W);
    EXPECT_TRUE(Board().WhiteOnTop());
    EXPECT_TRUE(Action(QStringLiteral("White on top")).isChecked());
    EXPECT_EQ(SquareOrigin(P01), QPoint(24, 24));
    PressCtrl(Qt::Key_W);
    EXPECT_FALSE(Board().WhiteOnTop());
    EXPECT_FALSE(Action(QStringLiteral("White on top")).isChecked());
    EXPECT_EQ(SquareOrigin(A16), QPoint(24, 24));
}

class InformationBoxes : public TMainWindowTest {};

TEST_F(InformationBoxes, CtrlIShowsTheRightsNoticeOnTwoLines)
{
    PressCtrl(Qt::Key_I);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    const auto& box = dialogs.messages.front();
    EXPECT_EQ(box.caption, QStringLiteral("Veltan. The battle is about to unleash"));
    EXPECT_EQ(box.icon, QMessageBox::Information);
    const QStringList lines = box.text.split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].contains(QStringLiteral("All rights reserved")));
    EXPECT_FALSE(lines[1].trimmed().isEmpty());
}

TEST_F(InformationBoxes, CtrlDShowsTheWarrantyDisclaimerInCapitalsWithNoWordsRunTogether)
{
    PressCtrl(Qt::Key_D);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    const auto& box = dialogs.messages.front();
    EXPECT_EQ(box.icon, QMessageBox::Information);
    EXPECT_EQ(box.text, box.text.toUpper());
    EXPECT_TRUE(box.text.startsWith(QStringLiteral("THIS SOFTWARE IS PROVIDED BY THE COPYRIGHT HOLDERS")));
    EXPECT_TRUE(box.text.endsWith(QStringLiteral("EVEN IF ADVISED OF THE POSSIBILITY OF SUCH DAMAGE.")));
    // Lines joined without a separator would make words like "ANDCONTRIBUTORS";
    // the longest word of the paragraph is MERCHANTABILITY.
    const QStringList words =
        box.text.split(QRegularExpression(QStringLiteral("[^A-Z]+")), Qt::SkipEmptyParts);
    for (const QString& word : words)
        EXPECT_LE(word.size(), QStringLiteral("MERCHANTABILITY").size()) << word.toStdString();
    for (const char* phrase : {"HOLDERS AND CONTRIBUTORS", "MERCHANTABILITY AND FITNESS", "ARE DISCLAIMED"})
        EXPECT_TRUE(box.text.contains(QString::fromLatin1(phrase))) << phrase;
}

struct THiddenRow {
    const char* name;
    std::function<void(TFrmVeltanBrd&)> use;
    std::function<bool(const TVeltanBrd&)> took;
};

void PrintTo(const THiddenRow& row, std::ostream* os)
{
    *os << row.name;
}

template <typename T> T& Control(TFrmVeltanBrd& window, const char* name)
{
    auto* const control = window.findChild<T*>(QString::fromLatin1(name));
    if (control == nullptr)
        throw std::runtime_error(std::string("no control ") + name);
    return *control;
}

class HiddenControls : public TMainWindowTest, public ::testing::WithParamInterface<THiddenRow> {};

TEST_P(HiddenControls, SetTheComputerPlayersSettingsOnTheBoard)
{
    ASSERT_FALSE(GetParam().took(Board()));
    GetParam().use(Window());
    EXPECT_TRUE(GetParam().took(Board()));
}

INSTANTIATE_TEST_SUITE_P(
    Controls, HiddenControls,
    ::testing::Values(
        THiddenRow{"ComputerPlaysBlack",
                   [](TFrmVeltanBrd& w) { Control<QRadioButton>(w, "RadioGroup1Computer").click(); },
                   [](const TVeltanBrd& b) { return b.ComputerPlaysBlack(); }},
        THiddenRow{"ComputerPlaysWhite",
                   [](TFrmVeltanBrd& w) { Control<QRadioButton>(w, "RadioGroup2Computer").click(); },
                   [](const TVeltanBrd& b) { return b.ComputerPlaysWhite(); }},
        THiddenRow{"CustomEngine",
                   [](TFrmVeltanBrd& w) { Control<QComboBox>(w, "ComboBox2").setCurrentIndex(1); },
                   [](const TVeltanBrd& b) { return b.CustomEngine(); }},
        THiddenRow{"BoardLines", [](TFrmVeltanBrd& w) { Control<QCheckBox>(w, "CheckBoxLines").click(); },
                   [](const TVeltanBrd& b) { return b.BoardLines(); }},
        THiddenRow{"StartButtonStartsPlay",
                   [](TFrmVeltanBrd& w) { Control<QPushButton>(w, "Buttonnew").click(); },
                   [](const TVeltanBrd& b) { return !b.GameEnded(); }}),
    [](const ::testing::TestParamInfo<THiddenRow>& info) { return std::string(info.param.name); });

class HiddenStartButton : public TMainWindowTest {};

TEST_F(HiddenStartButton, StopsTheClockWhenItStopsPlay)
{
    auto& button = Control<QPushButton>(Window(), "Buttonnew");
    button.click();
    EXPECT_TRUE(Window().ClockRunning());
    EXPECT_FALSE(Control<QGroupBox>(Window(), "RadioGroup1").isEnabled()) << "no side change during play";
    button.click();
    EXPECT_TRUE(Board().GameEnded());
    EXPECT_FALSE(Window().ClockRunning()) << "a stopped game must not lose on time";
    EXPECT_TRUE(Control<QGroupBox>(Window(), "RadioGroup1").isEnabled());
}

} // namespace
