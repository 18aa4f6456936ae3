#include "screenPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <limits>

QPoint PlacedInside(QRect frame, QRect available)
{
    const int x = std::max(available.left(), std::min(frame.x(), available.right() + 1 - frame.width()));
    const int y = std::max(available.top(), std::min(frame.y(), available.bottom() + 1 - frame.height()));
    return {x, y};
}

namespace {

const QScreen* ScreenNearest(QPoint point)
{
    if (const QScreen* at = QGuiApplication::screenAt(point))
        return at;
    const QScreen* nearest = QGuiApplication::primaryScreen();
    long long best = std::numeric_limits<long long>::max();
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect area = screen->geometry();
        const long long dx = std::max({area.left() - point.x(), 0, point.x() - area.right()});
        const long long dy = std::max({area.top() - point.y(), 0, point.y() - area.bottom()});
        if (dx * dx + dy * dy < best) {
            best = dx * dx + dy * dy;
            nearest = screen;
        }
    }
    return nearest;
}

} // namespace

void MoveInsideScreen(QWidget& window, const QWidget* frameOf)
{
    QRect frame = window.frameGeometry();
    // Before a window is shown its frame is not known; the owner's is a fair guess.
    if (!window.isVisible() && frameOf != nullptr) {
        const QWidget& owner = *frameOf->window();
        const QRect ownerFrame = owner.frameGeometry();
        const QRect ownerClient = owner.geometry();
        frame.adjust(ownerFrame.left() - ownerClient.left(), ownerFrame.top() - ownerClient.top(),
                     ownerFrame.right() - ownerClient.right(), ownerFrame.bottom() - ownerClient.bottom());
    }
    const QScreen* const screen = ScreenNearest(frame.center());
    if (screen == nullptr)
        return;
    const QPoint corner = PlacedInside(frame, screen->availableGeometry());
    if (corner != frame.topLeft())
        window.move(window.pos() + (corner - frame.topLeft()));
}
