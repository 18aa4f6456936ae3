// The main window made smaller, larger, shorter, maximised and restored with
// a game running: after every change the board is centred in what is left of
// the window, and the status panel with both clocks lies whole inside it,
// also once the clocks have stepped at the new size.

#include <QCoreApplication>
#include <QFontMetrics>
#include <QMenuBar>
#include <QWindow>
#include <cstdlib>
#include <vector>

#include "appTestSupport.h"
#include "windowFit.h"

namespace {

// Longer than any line of a local game: an online one names its players.
const QString LongStatus =
    QStringLiteral("White  has 4 moves  left in this turn; Player 4 to play (Ann, who hosted this game)");

enum class TStepKind {
    Resize,             ///< the program resizes the window
    WindowSystemResize, ///< the window system does, heeding no least size (as without a window manager)
    Maximise,
    Restore,
};

struct TStep {
    TStepKind kind;
    QSize size; ///< of the whole window, menu bar included; unused for Maximise and Restore
};

struct TResizeRow {
    const char* name;
    std::vector<TStep> steps;
};

void PrintTo(const TResizeRow& row, std::ostream* os)
{
    *os << row.name;
}

// A widget's rectangle in the window's coordinates.
QRect InWindow(const QWidget& widget, const QWidget& window)
{
    return QRect(widget.mapTo(&window, QPoint(0, 0)), widget.size());
}

class WindowResize : public TMainWindowTest, public testing::WithParamInterface<TResizeRow> {
protected:
    void Take(const TStep& step)
    {
        switch (step.kind) {
        case TStepKind::Resize:
            Window().resize(step.size);
            break;
        case TStepKind::WindowSystemResize:
            Window().windowHandle()->resize(step.size);
            break;
        case TStepKind::Maximise:
            Window().showMaximized();
            break;
        case TStepKind::Restore:
            Window().showNormal();
            break;
        }
        QCoreApplication::processEvents();
    }

    void ExpectLaidOutForTheWindow()
    {
        const QWidget& window = Window();
        const int menu = window.findChild<QMenuBar*>()->height();
        const QRect client(0, menu, window.width(), window.height() - menu);
        SCOPED_TRACE(testing::Message() << "client " << client.width() << " x " << client.height());

        const QRect board = InWindow(Board(), window);
        EXPECT_TRUE(client.contains(board))
            << "board at " << board.x() << ", " << board.y() << ", side " << board.width();
        // Centred between the designed margins, which are a few pixels wider on the right.
        const int leftRoom = board.left() - BoardLeftMargin;
        const int rightRoom = client.right() - board.right() - BoardRightMargin;
        EXPECT_LE(std::abs(leftRoom - rightRoom), 1) << leftRoom << " left, " << rightRoom << " right";

        const QLabel& white = Label("LblTimeLeftWhite");
        const QLabel& black = Label("LblTimeLeftBlack");
        const QRect panel = InWindow(*white.parentWidget(), window);
        EXPECT_TRUE(client.contains(panel)) << "status panel " << panel.width() << " wide";
        EXPECT_EQ(panel.bottom(), client.bottom()) << "the status panel closes the window";
        for (const QLabel* const clock : {&white, &black}) {
            SCOPED_TRACE(clock->text().toStdString());
            EXPECT_GE(clock->width(), clock->fontMetrics().horizontalAdvance(clock->text()));
            EXPECT_TRUE(panel.contains(InWindow(*clock, window)))
                << "clock at " << InWindow(*clock, window).x() << ", " << InWindow(*clock, window).y() << ", "
                << clock->width() << " x " << clock->height() << " in a panel at " << panel.y() << ", "
                << panel.width() << " x " << panel.height();
        }
        EXPECT_LT(white.geometry().right(), black.geometry().left()) << "the clocks overlap";
        // A status line too long for the room stops short of the clock, whole in its tooltip.
        const QLabel& status = Label("LblStatusMovesLeftInTurn");
        EXPECT_LT(status.geometry().right(), white.geometry().left()) << status.text().toStdString();
        EXPECT_EQ(status.toolTip().isEmpty() ? status.text() : status.toolTip(), LongStatus);
    }
};

} // namespace

TEST_P(WindowResize, BoardCentredAndClocksWholeAfterEveryChange)
{
    PressCtrl(Qt::Key_S); // a running game fills both clocks
    ASSERT_FALSE(BlackClock().trimmed().isEmpty());
    Window().SetStatusText(LongStatus);
    for (const TStep& step : GetParam().steps) {
        Take(step);
        SCOPED_TRACE(testing::Message() << "window " << Window().width() << " x " << Window().height());
        ExpectLaidOutForTheWindow();
    }
    // The clock texts change at the size the window was left at: a second of steps.
    const std::string before = WhiteClock().toStdString();
    for (int step = 0; step < 10; ++step)
        Window().ItsShowTime();
    ASSERT_NE(WhiteClock().toStdString(), before);
    ExpectLaidOutForTheWindow();
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, WindowResize,
    testing::Values(
        TResizeRow{"WideToNarrow", {{TStepKind::Resize, {876, 947}}, {TStepKind::Resize, {480, 947}}}},
        TResizeRow{"NarrowToWide", {{TStepKind::Resize, {420, 700}}, {TStepKind::Resize, {1300, 800}}}},
        TResizeRow{"TallToShort", {{TStepKind::Resize, {600, 1000}}, {TStepKind::Resize, {600, 420}}}},
        TResizeRow{"MaximisedAndRestored",
                   {{TStepKind::Resize, {500, 600}}, {TStepKind::Maximise, {}}, {TStepKind::Restore, {}}}},
        // Below the least size the window asks for: the window system has the last word.
        TResizeRow{"WindowSystemNarrowerThanTheLeastSize",
                   {{TStepKind::Resize, {700, 800}}, {TStepKind::WindowSystemResize, {330, 380}}}},
        TResizeRow{
            "WindowSystemShorterThanTheLeastSizeAndBack",
            {{TStepKind::WindowSystemResize, {500, 300}}, {TStepKind::WindowSystemResize, {800, 900}}}}),
    [](const testing::TestParamInfo<TResizeRow>& info) { return std::string(info.param.name); });
