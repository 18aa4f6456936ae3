#pragma once
// How the board tells the main window that a game has ended: an event of a
// type of its own, posted so the main window handles it after the board's
// current work is done (in its event()).

#include <QEvent>

class QWidget;

/// The game-ended event type. The first call registers it with Qt; main()
/// calls this once at start so the number is fixed before any window exists.
QEvent::Type GameEndedMessage();

/// Class name of the main window the notice is meant for (its Q_OBJECT class).
inline constexpr const char* GameEndedNoticeReceiverClass = "TFrmVeltanBrd";

/// The top-level widget that inherits TFrmVeltanBrd, preferring the window
/// that holds `from`; nullptr when there is none.
QWidget* FindGameEndedNoticeReceiver(const QWidget* from);

/// Posts one GameEndedMessage event to that main window; does nothing when
/// there is none. Returns whether it posted.
bool PostGameEndedNoticeFrom(const QWidget* from);
