// The main window at any size: the board takes the largest square that fits
// above the status line, the clocks keep to the right edge, the status line
// and the clocks shrink their fonts where the window is too narrow for them,
// and the window opens inside the screen it opens on.

#include <QEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QWindow>
#include <algorithm>

#include "VeltanGUI.h"
#include "panelLabel.h"
#include "screenPlacement.h"
#include "ui_VeltanGUI.h"
#include "veltanbrd.h"
#include "windowFit.h"

namespace {

// The longest status line of a running game and the widest clock text: the
// panel's fonts are chosen so that both fit side by side.
const QString WidestStatus = QStringLiteral("White  has 4 moves  left in this turn; Player 4 to play");
const QString WidestClock = QStringLiteral("White 0:59:59");

QFont AtPixels(QFont font, int pixels)
{
    font.setPixelSize(pixels);
    return font;
}

void SetFontPixels(QLabel& label, int pixels)
{
    if (label.font().pixelSize() == pixels)
        return;
    label.setFont(AtPixels(label.font(), pixels));
    FitPanelLabel(label);
}

} // namespace

void TFrmVeltanBrd::SetUpResizing()
{
    // The window can be resized and maximised; the board follows it.
    setWindowFlags(Qt::Window);
    const int smallestBoard =
        std::max(SmallestBoardSide(VeltanBrd1->SizeOfBorder()), VeltanBrd1->ResizeMinSize());
    // The least size is the window's, not the client area's: a window system
    // may still make the window smaller (one without a window manager does),
    // and the client area must then shrink with it. Held at a minimum of its
    // own, it would stay wider than the window and never hear of the resize,
    // leaving the board and the clocks where they were, cut off by the edge.
    setMinimumSize(ClientToWindow(MinimumClientSize(smallestBoard)));
    centralWidget()->installEventFilter(this);
    // The pieces grow and shrink with the board from the designed squares.
    VeltanBrd1->SetPieceScaleSquare(VeltanBrd1->SizeOfSquare());
    VeltanBrd1->OnResizeRequest = [this](TVeltanBrd&, int side) { ResizeForBoard(side); };
    resize(ClientToWindow(DesignClientSize));
    ArrangeClientArea();
}

void TFrmVeltanBrd::FitPanelFontsTo(int width)
{
    const QFont statusFont = ui->LblStatusMovesLeftInTurn->font();
    const QFont clockFont = ui->LblTimeLeftWhite->font();
    // The status line must end before White's clock, and both clocks need
    // their room between White's place and the right edge.
    _panelFonts = FitPanelFonts(width, [&](const TPanelFonts& fonts) {
        const int status =
            QFontMetrics(AtPixels(statusFont, fonts.statusPixels)).horizontalAdvance(WidestStatus);
        const int clock = QFontMetrics(AtPixels(clockFont, fonts.clockPixels)).horizontalAdvance(WidestClock);
        return StatusLeft + status + ClockGap +
               std::max(FromRightAt(WhiteClockFromRight, fonts), 2 * (clock + ClockGap));
    });
    SetFontPixels(*ui->LblStatusMovesLeftInTurn, _panelFonts.statusPixels);
    SetFontPixels(*ui->LblTimeLeftWhite, _panelFonts.clockPixels);
    SetFontPixels(*ui->LblTimeLeftBlack, _panelFonts.clockPixels);
}

QSize TFrmVeltanBrd::ClientToWindow(QSize client) const
{
    return client + QSize(0, menuBar()->sizeHint().height());
}

bool TFrmVeltanBrd::eventFilter(QObject* watched, QEvent* event)
{
    // A screen of another ratio snaps the board to other device pixels.
    if (watched == centralWidget() &&
        (event->type() == QEvent::Resize || event->type() == QEvent::ScreenChangeInternal))
        ArrangeClientArea();
    return QMainWindow::eventFilter(watched, event);
}

void TFrmVeltanBrd::ArrangeClientArea()
{
    const QSize client = centralWidget()->size();
    const double ratio = BoardPixelRatio(devicePixelRatioF());
    const TClientLayout layout = LayOutClient(client, VeltanBrd1->SizeOfBorder(), ratio);
    const int w = client.width();
    const int side = layout.statusPanel.y() - StatusPanelHeight;
    ui->Panel2->setGeometry(0, 0, w, StatusPanelHeight);
    ui->Panel3->setGeometry(0, StatusPanelHeight, BoardLeftMargin, std::max(0, side));
    ui->Panel5->setGeometry(w - BoardLeftMargin, StatusPanelHeight, BoardLeftMargin, std::max(0, side));
    ui->Panel4->setGeometry(layout.statusPanel);
    FitPanelFontsTo(w);
    // The clocks keep their distance to the right edge.
    SetClockLabel(*ui->LblTimeLeftWhite, ui->LblTimeLeftWhite->text());
    FitStatusText();
    if (VeltanBrd1->geometry() != layout.board)
        VeltanBrd1->setGeometry(layout.board);
}

void TFrmVeltanBrd::ResizeForBoard(int side)
{
    // The corner drag asks for a board; the window grows or shrinks around
    // it, as far as the screen's available area allows.
    if (isMaximized() || isFullScreen())
        return;
    QSize client = ClientSizeForBoard(side);
    if (const QScreen* const screen = this->screen()) {
        const QRect available = screen->availableGeometry();
        const QSize frame = frameGeometry().size() - size();
        const QSize room = available.size() - frame - QSize(0, menuBar()->height());
        client = client.boundedTo(room);
    }
    resize(ClientToWindow(client).expandedTo(minimumSize()));
}

void TFrmVeltanBrd::PlaceOnScreen()
{
    const QScreen* const screen =
        this->screen() != nullptr ? this->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const QRect frame = frameGeometry();
    const QRect client = geometry();
    QMargins margins(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                     frame.bottom() - client.bottom());
    // A window manager tells the frame only after the window is mapped; until
    // then a title bar of the style's height is a fair guess. Offscreen there is none.
    if (margins.isNull() && QGuiApplication::platformName() != QStringLiteral("offscreen"))
        margins.setTop(style()->pixelMetric(QStyle::PM_TitleBarHeight));
    const QRect placed =
        PlaceWindow(ClientToWindow(DesignClientSize), minimumSize(), margins, screen->availableGeometry());
    // On a screen too small for the smallest board the window takes what the
    // screen has rather than reach past its edges.
    setMinimumSize(minimumSize().boundedTo(placed.size()));
    setGeometry(placed);
}

bool TFrmVeltanBrd::FitsAScreen(const QRect& frame)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(), [&frame](const QScreen* screen) {
        return screen->availableGeometry().contains(frame);
    });
}
