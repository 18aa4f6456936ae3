// The canvas and the full repaint. Every drawing routine paints on _canvas and
// then asks Qt to show the changed area; paintEvent only copies the canvas.

#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QShowEvent>
#include <algorithm>

#include "boardLimits.h"
#include "veltanbrd.h"

namespace {

// Point-sized text (the coordinates) must come out the same size on every
// screen, and in tests that have none: the canvas always claims 96 dots per inch.
constexpr int CanvasDotsPerMeter = 3780;

} // namespace

void TVeltanBrd::Paint()
{
    if (!DoRefreshWindowsBoard() || _loading || _inPaint)
        return;
    // A handler of OnPaint, or the resize below, may ask for another full
    // repaint; the one running already draws everything, so such a request is dropped.
    _inPaint = true;
    if (OnPaint)
        OnPaint(*this);
    if (!_firstTime)
        BuildPieceImages();
    FitToSquares();
    if (EnsureCanvas()) {
        PaintBorder();
        PaintSquares();
        DrawAllPieces();
    }
    _inPaint = false;
    _fullRepaintQueued = false;
    if (!_firstTime) {
        _firstTime = true;
        Think();
    }
    StartComputerTurnTimer();
    update();
}

bool TVeltanBrd::EnsureCanvas()
{
    const QSize wanted(std::clamp(width(), 0, MaxBoardSide), std::clamp(height(), 0, MaxBoardSide));
    if (wanted.isEmpty()) {
        _canvas = QImage();
        return false;
    }
    if (_canvas.size() != wanted) {
        _canvas = QImage(wanted, QImage::Format_RGB32);
        _canvas.setDotsPerMeterX(CanvasDotsPerMeter);
        _canvas.setDotsPerMeterY(CanvasDotsPerMeter);
        _canvas.fill(Qt::black);
    }
    return true;
}

void TVeltanBrd::QueueFullRepaint()
{
    // Like an invalidated window: the full repaint follows once control is
    // back in the event loop, and many requests make one repaint.
    if (_fullRepaintQueued)
        return;
    _fullRepaintQueued = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (_fullRepaintQueued) {
                _fullRepaintQueued = false;
                Paint();
            }
        },
        Qt::QueuedConnection);
}

void TVeltanBrd::UpdateArea(const QRect& area)
{
    update(area.intersected(rect()));
}

void TVeltanBrd::RepaintWithoutFitting()
{
    if (_canvas.isNull())
        return;
    PaintBorder();
    PaintSquares();
    DrawAllPieces();
}

void TVeltanBrd::RedrawBoard()
{
    RepaintWithoutFitting();
}

void TVeltanBrd::paintEvent(QPaintEvent* event)
{
    if (_canvas.isNull())
        return;
    const QRect area = event->rect().intersected(_canvas.rect());
    if (area.isEmpty())
        return;
    QPainter painter(this);
    painter.drawImage(area.topLeft(), _canvas, area);
    PaintSuggestion(painter);
}

void TVeltanBrd::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (!_inPaint && _canvas.size() != size())
        QueueFullRepaint();
}

void TVeltanBrd::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (_canvas.isNull() || _canvas.size() != size())
        QueueFullRepaint();
}
