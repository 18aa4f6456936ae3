#pragma once
// Keeps child widgets at their designed distances from chosen edges of the
// window when it is resized: the layout a fixed-position form asks for.

#include <QRect>
#include <QSize>
#include <vector>

class QWidget;

/// The edges of the window a widget keeps its designed distance to.
struct TAnchorEdges {
    bool left = true;
    bool top = true;
    bool right = false;
    bool bottom = false;
};

/// Child widgets anchored to edges of their window. A widget anchored to two
/// opposite edges stretches; to one keeps its size and its distance to it.
class TEdgeAnchors {
public:
    /// Takes the window's designed client size; widgets are added with their designed geometry.
    explicit TEdgeAnchors(QSize designClient) : _designClient(designClient) {}

    /// Anchors a widget (not owned; it must outlive the anchors) as it stands now.
    void Anchor(QWidget& widget, TAnchorEdges edges);
    /// Places every anchored widget for the window's new client size.
    void Apply(QSize client) const;

private:
    struct TAnchored {
        QWidget* widget;
        QRect design;
        TAnchorEdges edges;
    };
    QSize _designClient;
    std::vector<TAnchored> _anchored;
};
