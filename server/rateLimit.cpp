#include "rateLimit.h"

#include <algorithm>

TRateLimit::TRateLimit(int perSecond, int burst) : _perMs(perSecond / 1000.0), _burst(burst), _tokens(burst)
{
}

bool TRateLimit::Allow(TMs now)
{
    if (_started)
        _tokens = std::min(_burst, _tokens + std::max<TMs>(0, now - _last) * _perMs);
    _started = true;
    _last = now;
    if (_tokens < 1.0) {
        ++_refusedInARow;
        return false;
    }
    _tokens -= 1.0;
    _refusedInARow = 0;
    return true;
}
