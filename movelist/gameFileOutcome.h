#pragma once
// The result of saving or loading a game file, as the window reports it.

#include <QString>

/// Done, or the message that tells the user what went wrong and with which file.
struct TGameFileOutcome {
    bool done = false;
    /// Empty when done; otherwise never empty.
    QString message;
};
