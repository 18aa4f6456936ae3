#include "panelLabel.h"

#include <QFontMetrics>
#include <QLabel>
#include <algorithm>

void FitPanelLabel(QLabel& label)
{
    label.adjustSize();
    const QWidget* const panel = label.parentWidget();
    if (panel != nullptr && label.y() + label.height() > panel->height())
        label.resize(label.width(), std::max(0, panel->height() - label.y()));
}

void SetElidedPanelText(QLabel& label, const QString& text, int right)
{
    const int room = std::max(0, right - label.x());
    const QString shown = QFontMetrics(label.font()).elidedText(text, Qt::ElideRight, room);
    label.setToolTip(shown == text ? QString() : text);
    if (label.text() != shown)
        label.setText(shown);
    FitPanelLabel(label);
}
