#pragma once
// The labels of the status panel (the status line and the two clocks) take the
// size of their text, within their panel.

class QLabel;

/// Sizes the label to its text, but never past the bottom of its parent: a
/// stand-in face with a taller line (Nimbus Sans for Arial, say) would
/// otherwise have the window cut it off.
void FitPanelLabel(QLabel& label);
