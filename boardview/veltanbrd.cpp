// Construction of the board and the game's hooks that are not drawing.

#include "veltanbrd.h"

#include <QGuiApplication>

#include "boardLimits.h"

#include "gameEndedNotice.h"
#include "userDialogs.h"

TVeltanBrd::TVeltanBrd(QWidget* parent) : QWidget(parent), _computerTurnTimer(this)
{
    _computerTurnTimer.setObjectName(QStringLiteral("computerTurnTimer"));
    // Hovering over the corner shows the resize cursor even with no button held.
    setMouseTracking(true);

    LoadDefaultPieceSet();
    BuildPieceImages();

    _coordFont = QFont(QStringLiteral("Courier New"));
    _coordFont.setPointSize(CoordFontPoints);
    _coordFont.setBold(true);

    // The size the defaults describe, set without painting: nothing is drawn
    // before the first Paint.
    _pixelRatio = BoardPixelRatio(devicePixelRatioF());
    SetDeviceGeometryFromSizes();
    const int side = BoardSize * _sizeOfSquare + 2 * _sizeOfBorder;
    resize(side, side);

    // The game starts ended, and an ended game takes no mouse input.
    setEnabled(!GameEnded());
}

TVeltanBrd::~TVeltanBrd()
{
    // Stop the tick and any search before the view half goes away: a search
    // ending now would call back into a board half destroyed.
    _computerTurnTimer.stop();
    CancelThinking();
}

void TVeltanBrd::SetLoading(bool value)
{
    _loading = value;
    if (!value)
        QueueFullRepaint();
}

void TVeltanBrd::SetControlEnabled(bool value)
{
    setEnabled(value);
}

void TVeltanBrd::PostGameEndedNotice()
{
    PostGameEndedNoticeFrom(this);
}

void TVeltanBrd::ShowMessage(const std::string& text)
{
    UserDialogs().ShowMessage(this, QGuiApplication::applicationDisplayName(), QString::fromStdString(text),
                              QMessageBox::NoIcon);
}

void TVeltanBrd::CopyViewOptionsFrom(const TVeltanBrdKernel& source)
{
    const auto* const view = dynamic_cast<const TVeltanBrd*>(&source);
    if (view == nullptr || view == this)
        return;
    _firstTime = view->_firstTime;
    // Copied as a value first: the setter ignores an image of the wrong shape
    // and empties the set for a null one, exactly as for any host.
    const QImage pieces = view->_custompieceset;
    SetCustomPieceSet(pieces);
}
