#include "moveListLayout.h"

#include <QWidget>
#include <algorithm>
#include <utility>

namespace {

// One axis: start and length of a widget for the window's new extent.
std::pair<int, int> Place(int start, int length, int designExtent, int extent, bool nearEdge, bool farEdge)
{
    const int farDistance = designExtent - (start + length);
    if (nearEdge && farEdge)
        return {start, std::max(0, extent - farDistance - start)};
    if (farEdge)
        return {extent - farDistance - length, length};
    return {start, length};
}

} // namespace

void TEdgeAnchors::Anchor(QWidget& widget, TAnchorEdges edges)
{
    _anchored.push_back({&widget, widget.geometry(), edges});
}

void TEdgeAnchors::Apply(QSize client) const
{
    for (const TAnchored& a : _anchored) {
        const auto [x, width] = Place(a.design.x(), a.design.width(), _designClient.width(), client.width(),
                                      a.edges.left, a.edges.right);
        const auto [y, height] = Place(a.design.y(), a.design.height(), _designClient.height(),
                                       client.height(), a.edges.top, a.edges.bottom);
        a.widget->setGeometry(x, y, width, height);
    }
}
