#pragma once
// Waiting in a test while Qt's event loop runs on: clients, proxies and child
// processes keep working, and the wait ends after a bounded time.

#include <functional>

/// Runs the event loop until `done` returns true or `waitMs` have passed;
/// returns `done()`. Looks at `done` at least every few tens of milliseconds.
bool WaitFor(const std::function<bool()>& done, int waitMs);
