#include "onlineGameParts.h"

#include <QDeadlineTimer>
#include <algorithm>

namespace net {

qint64 MonotonicNowMs()
{
    return QDeadlineTimer::current().deadline();
}

qint64 TClocks::LeftMs(bool white, qint64 nowMs) const
{
    const qint64 left = white ? whiteMs : blackMs;
    if (runningWhite != white)
        return left;
    return std::max<qint64>(0, left - std::max<qint64>(0, nowMs - receivedAtMs));
}

} // namespace net
