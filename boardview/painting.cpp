// The canvas and the full repaint. Every drawing routine paints on _canvas and
// then asks Qt to show the changed area; paintEvent only copies the canvas.

#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QShowEvent>
#include <algorithm>
#include <cmath>

#include "boardLimits.h"
#include "veltanbrd.h"

namespace {

// Point-sized text (the coordinates) must come out the same size on every
// screen, and in tests that have none: the canvas always claims 96 dots per
// inch, and the coordinates are drawn through the canvas's ratio.
constexpr int CanvasDotsPerMeter = 3780;
// Largest edge of the canvas in device pixels: the largest board at twice its
// pixels. A board beyond it is drawn cut off rather than allocating without bound.
constexpr int MaxCanvasSide = 2 * MaxBoardSide;

int DeviceExtent(int logical, double ratio)
{
    return std::clamp(static_cast<int>(std::ceil(logical * ratio - 1e-6)), 0, MaxCanvasSide);
}

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
    const QSize wanted(DeviceExtent(width(), _pixelRatio), DeviceExtent(height(), _pixelRatio));
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

void TVeltanBrd::UpdateArea(const QRect& deviceArea)
{
    // Every logical pixel the device area touches.
    const int left = static_cast<int>(std::floor(deviceArea.left() / _pixelRatio));
    const int top = static_cast<int>(std::floor(deviceArea.top() / _pixelRatio));
    const int right = static_cast<int>(std::ceil((deviceArea.right() + 1) / _pixelRatio));
    const int bottom = static_cast<int>(std::ceil((deviceArea.bottom() + 1) / _pixelRatio));
    update(QRect(left, top, right - left, bottom - top).intersected(rect()));
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

bool TVeltanBrd::CanvasOutdated() const
{
    // Another size, or a window moved to a screen of another ratio: the
    // canvas is drawn again for the pixels it now lands on.
    const double ratio = BoardPixelRatio(devicePixelRatioF());
    return _canvas.isNull() || ratio != _pixelRatio ||
           _canvas.size() != QSize(DeviceExtent(width(), ratio), DeviceExtent(height(), ratio));
}

void TVeltanBrd::paintEvent(QPaintEvent* event)
{
    if (_canvas.isNull())
        return;
    if (!_inPaint && CanvasOutdated())
        QueueFullRepaint();
    // The canvas is shown at its own ratio without being copied: a canvas of
    // the screen's ratio lands pixel for pixel.
    QImage shown(_canvas.constBits(), _canvas.width(), _canvas.height(), _canvas.bytesPerLine(),
                 _canvas.format());
    shown.setDevicePixelRatio(_pixelRatio);
    QPainter painter(this);
    painter.setClipRect(event->rect());
    painter.drawImage(QPointF(0, 0), shown);
    PaintSuggestion(painter);
}

void TVeltanBrd::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (!_inPaint && CanvasOutdated())
        QueueFullRepaint();
}

void TVeltanBrd::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (CanvasOutdated())
        QueueFullRepaint();
}
