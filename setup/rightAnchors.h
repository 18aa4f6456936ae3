#pragma once
// Widgets that keep their distance to the right edge of their parent when the
// parent is resized, as a stored layout anchored "top and right" asks.

#include <QPointer>
#include <QWidget>
#include <vector>

/// A set of widgets anchored to the top and right edges of one parent.
class TRightAnchors {
public:
    /// Anchors `widget` with its present distance to the right edge of a
    /// parent `parentWidth` pixels wide. Call after the widget has its size.
    void Add(QWidget* widget, int parentWidth);
    /// Moves every anchored widget so that its distance to the right edge of
    /// a parent now `parentWidth` wide is the one it had when it was added.
    void Follow(int parentWidth) const;

private:
    struct TAnchor {
        QPointer<QWidget> widget; ///< the widget may go before its anchors do
        int rightMargin;
    };
    std::vector<TAnchor> _anchors;
};
