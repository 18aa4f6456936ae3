#pragma once
// The labels of the status panel (the status line and the two clocks) take the
// size of their text, within their panel.

class QLabel;

/// Sizes the label to its text, but never past the bottom of its parent: a
/// stand-in face with a taller line (Nimbus Sans for Arial, say) would
/// otherwise have the window cut it off.
void FitPanelLabel(QLabel& label);

class QString;

/// Shows `text` in the label, sized to it, but cut short with "…" where it
/// would reach `right` (in the parent's coordinates); a cut text has the
/// whole one as its tooltip.
void SetElidedPanelText(QLabel& label, const QString& text, int right);
