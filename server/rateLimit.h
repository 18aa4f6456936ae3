#pragma once
// How many messages a connection may send: a bucket that holds a burst and
// refills at a steady rate, and a count of the messages refused in a row, so
// a client that keeps flooding can be told apart from one that had a burst.

#include "fairPlay.h"

class TRateLimit {
public:
    /// `perSecond` messages a second on average, `burst` at once.
    TRateLimit(int perSecond, int burst);
    /// True when a message arriving at `now` may be handled.
    bool Allow(TMs now);
    /// Messages refused since the last one allowed.
    int RefusedInARow() const { return _refusedInARow; }

private:
    double _perMs;
    double _burst;
    double _tokens;
    TMs _last = 0;
    bool _started = false;
    int _refusedInARow = 0;
};
