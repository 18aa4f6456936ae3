#include "animationPath.h"

#include <cstdlib>

namespace {

int Direction(int from, int to)
{
    return to >= from ? 1 : -1;
}

void SlideHorizontal(std::vector<QPoint>& path, int fromX, int toX, int y)
{
    const int step = Direction(fromX, toX);
    for (int x = fromX;; x += step) {
        path.emplace_back(x, y);
        if (x == toX)
            break;
    }
}

void SlideVertical(std::vector<QPoint>& path, int fromY, int toY, int x)
{
    const int step = Direction(fromY, toY);
    for (int y = fromY;; y += step) {
        path.emplace_back(x, y);
        if (y == toY)
            break;
    }
}

// One pixel per step along the longer axis; the other coordinate moves by the
// matching fraction, truncated toward zero. It is computed from the start for
// every step rather than summed step by step, so rounding never builds up and
// the last step lands exactly on the destination.
void SlideLine(std::vector<QPoint>& path, QPoint from, QPoint to)
{
    if (from == to)
        return;
    const int dx = to.x() - from.x();
    const int dy = to.y() - from.y();
    const bool steep = std::abs(dy) > std::abs(dx);
    const int steps = steep ? std::abs(dy) : std::abs(dx);
    const int major = steep ? dy : dx;
    const int minor = steep ? dx : dy;
    const int direction = major > 0 ? 1 : -1;
    for (int k = 0; k <= steps; ++k) {
        // Integer division truncates toward zero, as the glide always has.
        const int along = direction * k;
        const int across = static_cast<int>(static_cast<long long>(k) * minor / steps);
        path.push_back(steep ? QPoint(from.x() + across, from.y() + along)
                             : QPoint(from.x() + along, from.y() + across));
    }
}

} // namespace

std::vector<QPoint> AnimationPath(QPoint from, QPoint to, bool knight)
{
    std::vector<QPoint> path;
    if (knight) {
        SlideHorizontal(path, from.x(), to.x(), from.y());
        SlideVertical(path, from.y(), to.y(), to.x());
    } else {
        SlideLine(path, from, to);
    }
    return path;
}
