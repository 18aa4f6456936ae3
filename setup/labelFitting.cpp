#include "labelFitting.h"

#include <QFrame>
#include <QLabel>
#include <algorithm>

void KeepLabelBeforeBox(QLabel& label, const QWidget& box)
{
    label.adjustSize();
    const int wanted = box.x() - LabelToBoxGap - label.width();
    if (label.x() <= wanted)
        return;
    // The leftmost pixel still inside the window and inside the frame the
    // label stands in: a panel may begin outside the window's left edge.
    int leftmost = 0;
    const QWidget* const parent = label.parentWidget();
    if (parent != nullptr && !parent->isWindow()) {
        leftmost = std::max(0, -parent->mapTo(parent->window(), QPoint(0, 0)).x());
        if (const auto* const frame = qobject_cast<const QFrame*>(parent))
            leftmost += frame->frameWidth();
    }
    label.move(std::max(wanted, leftmost), label.y());
}
