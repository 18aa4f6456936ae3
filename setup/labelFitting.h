#pragma once
// Labels that stand to the left of their box. The stored layout places them
// for the font it was drawn with; a wider stand-in font must not run a
// label's text under its box.

class QLabel;
class QWidget;

/// Gap in pixels between a label's text and its box.
inline constexpr int LabelToBoxGap = 4;

/// Sizes `label` to its text and, when the text would then reach closer to
/// `box` than LabelToBoxGap, moves the label left until it no longer does, but
/// never past the window's left edge or the frame it stands in. Both widgets
/// have the same parent. A label that fits stays where the layout put it.
void KeepLabelBeforeBox(QLabel& label, const QWidget& box);
