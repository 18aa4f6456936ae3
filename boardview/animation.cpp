// A move made by anyone but the dragging user glides its piece to the new square.

#include <QElapsedTimer>
#include <QThread>
#include <algorithm>

#include "animationPath.h"
#include "animationSprite.h"
#include "boardLimits.h"
#include "veltanbrd.h"

namespace {

// Each step lasts longer than the delay. Sleeping instead of spinning keeps the
// processor free; events still wait until the glide is over.
void WaitLongerThan(const QElapsedTimer& stepClock, int delay)
{
    while (stepClock.elapsed() <= delay)
        QThread::msleep(static_cast<unsigned long>(std::max<qint64>(1, delay + 1 - stepClock.elapsed())));
}

} // namespace

void TVeltanBrd::Animate(Square oldSq, Square newSq, int delay)
{
    if (!IsBoardSquare(oldSq) || !IsBoardSquare(newSq))
        return;
    const char letter = PieceOn(oldSq);
    if (_piecesStale)
        PreparePieces();
    const QImage* const image = _activePieces->PreparedImage(letter);
    if (image == nullptr)
        return;
    const int stepDelay = std::clamp(delay, 0, MaxAnimationStepDelay);

    // The sprite flies over the parent window so it can cross other widgets
    // above the board; a board without a parent carries it itself.
    QWidget* const host = parentWidget() != nullptr ? parentWidget() : this;
    const QPoint shift = host == this ? QPoint() : pos();
    const QPoint from = *SquareToCoords(oldSq) + shift;
    const QPoint to = *SquareToCoords(newSq) + shift;
    const std::vector<QPoint> path = AnimationPath(from, to, letter == 'N' || letter == 'n');

    // The piece as the board draws it, at the canvas's ratio: as sharp as the board.
    QImage picture = *image;
    picture.setDevicePixelRatio(_pixelRatio);
    TAnimationSprite sprite(picture, host);
    sprite.QWidget::move(from);
    sprite.show();
    sprite.raise();
    QElapsedTimer stepClock;
    for (const QPoint& step : path) {
        stepClock.start();
        sprite.QWidget::move(step);
        // Painted now, not when events are next processed: nothing else runs
        // until the piece has arrived.
        sprite.repaint();
        if (stepDelay > 0)
            WaitLongerThan(stepClock, stepDelay);
    }
    sprite.hide();
}
