#include "panelLabel.h"

#include <QLabel>
#include <algorithm>

void FitPanelLabel(QLabel& label)
{
    label.adjustSize();
    const QWidget* const panel = label.parentWidget();
    if (panel != nullptr && label.y() + label.height() > panel->height())
        label.resize(label.width(), std::max(0, panel->height() - label.y()));
}
