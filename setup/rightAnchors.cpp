#include "rightAnchors.h"

void TRightAnchors::Add(QWidget* widget, int parentWidth)
{
    if (widget == nullptr)
        return;
    _anchors.push_back({widget, parentWidth - (widget->x() + widget->width())});
}

void TRightAnchors::Follow(int parentWidth) const
{
    for (const TAnchor& anchor : _anchors)
        if (anchor.widget != nullptr)
            anchor.widget->move(parentWidth - anchor.rightMargin - anchor.widget->width(),
                                anchor.widget->y());
}
