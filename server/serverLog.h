#pragma once
// The server's log: one line an event to standard error, with the time, at
// the detail the command line asked for.

#include <QString>

/// How much the log says.
enum class TLogDetail { Quiet, Normal, Verbose };

class TServerLog {
public:
    explicit TServerLog(TLogDetail detail) : _detail(detail) {}
    /// Problems: always written.
    void Problem(const QString& text) const;
    /// Connections, games created and ended, refused messages, recovery: unless quiet.
    void Info(const QString& text) const;
    /// Every message handled: only when verbose.
    void Detail(const QString& text) const;

private:
    void Write(const char* level, const QString& text) const;
    TLogDetail _detail;
};
