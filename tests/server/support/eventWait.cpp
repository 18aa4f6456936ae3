#include "eventWait.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

namespace {

constexpr int SliceMs = 20;

} // namespace

bool WaitFor(const std::function<bool()>& done, int waitMs)
{
    const QDeadlineTimer deadline(waitMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        // A short loop of its own rather than processEvents(): it sleeps
        // until something happens or the slice is over, so no core spins.
        QEventLoop loop;
        QTimer::singleShot(SliceMs, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}
