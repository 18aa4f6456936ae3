#pragma once
// The small widget that carries a piece's picture over the window while a
// move is animated.

#include <QImage>
#include <QWidget>

/// A borderless child widget showing one piece image; the parts the piece
/// leaves transparent show the window beneath. It ignores the mouse.
class TAnimationSprite : public QWidget {
public:
    /// Object name tests and tools can find the sprite by while it exists.
    static constexpr const char* SpriteObjectName = "pieceAnimationSprite";

    /// A hidden sprite of the image's logical size (its size over its device
    /// pixel ratio) on the given parent.
    TAnimationSprite(const QImage& image, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage _image;
};
