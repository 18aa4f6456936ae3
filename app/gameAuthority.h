#pragma once
// Who decides the game on the main window's board. Without one set, the
// window's own kernel and clock do, as they always have; while one is set (an
// online game), the window leaves its game to it: Start/Stop is passed on, the
// local clock and the kept unfinished game stand aside, and stepping through
// the records is reported so the board can refuse drags away from the last one.

class QDialog;

/// Whether the computer may play a team under an authority, and whether it does.
struct TComputerTeam {
    bool mayPlay = false;
    bool plays = false;
};

/// The one seam through which something other than the local game decides.
class TGameAuthority {
public:
    virtual ~TGameAuthority() = default;

    /// Start/Stop was chosen: ask whoever decides to start, pause or continue.
    virtual void StartStopAsked() = 0;
    /// The board now shows another record of its history.
    virtual void RecordShown() = 0;
    /// Whether the computer may take White's (or Black's) team here, and whether it has.
    virtual TComputerTeam ComputerTeam(bool white) const = 0;
    /// The player gives a team to the computer, or takes it back; the authority
    /// lets the computer move only when the game allows it.
    virtual void SetComputerTeam(bool white, bool plays) = 0;
    /// The move list opens, modal, over the window: what must stay usable
    /// meanwhile may be shown in windows of the list's own (children of `list`).
    virtual void MoveListOpened(QDialog& list) = 0;
};
