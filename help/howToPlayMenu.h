#pragma once
// The menu command that opens the rules window.

class QAction;
class QMenu;
class QWidget;
class THowToPlayWindow;

/// Puts "How to play" (F1, the platform's help key) into `menu` before
/// `before` (at the end when null). The command shows the rules window of
/// `owner`. The action is owned by `owner`.
QAction* AddHowToPlay(QMenu& menu, QAction* before, QWidget& owner);

/// The rules window of `owner`: made on the first call, afterwards the same
/// one. It is shown, raised and activated.
THowToPlayWindow& ShowHowToPlay(QWidget& owner);
