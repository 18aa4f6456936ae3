#pragma once
// Who decides the game on the main window's board. Without one set, the
// window's own kernel and clock do, as they always have; while one is set (an
// online game), the window leaves its game to it: Start/Stop is passed on, the
// local clock and the kept unfinished game stand aside, and stepping through
// the records is reported so the board can refuse drags away from the last one.

/// The one seam through which something other than the local game decides.
class TGameAuthority {
public:
    virtual ~TGameAuthority() = default;

    /// Start/Stop was chosen: ask whoever decides to start, pause or continue.
    virtual void StartStopAsked() = 0;
    /// The board now shows another record of its history.
    virtual void RecordShown() = 0;
};
