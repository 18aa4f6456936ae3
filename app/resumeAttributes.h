#pragma once
// What resuming a kept game needs beyond a game file: the computer's sides and
// level, both clocks as they stood and whose clock ran. Written as extra root
// attributes of the kept file; readers that do not know them pass them by.

#include <QByteArray>
#include <QString>
#include <optional>

#include "gameFileWriter.h"

class TVeltanBrdKernel;

/// Whose clock was counting when the game was kept.
enum class TRunningClock { None, White, Black };

/// The state of play around a kept game.
struct TResumeState {
    bool computerWhite = false;
    bool computerBlack = false;
    QString level;                       ///< a computer level key; empty: not recorded
    std::optional<double> timeLeftWhite; ///< days
    std::optional<double> timeLeftBlack; ///< days
    TRunningClock clockRan = TRunningClock::None;
    /// The record shown, when it is not the end of the line.
    std::optional<int> shownMove;
};

/// The board's state now; clockRunning tells whether the team to move's clock counts.
TResumeState ResumeStateOf(const TVeltanBrdKernel& board, bool clockRunning);

/// The state as root attributes.
TExtraAttributes ResumeAttributes(const TResumeState& state);

/// The state a document's root records. An attribute that is missing or not
/// of its form is left out; a document without a root gives the empty state.
TResumeState ReadResumeState(const QByteArray& document);

/// Puts sides, level and clocks on the board and shows the recorded record;
/// what is not recorded, or a record the board's line does not hold, stays.
void ApplyResumeState(const TResumeState& state, TVeltanBrdKernel& board);
