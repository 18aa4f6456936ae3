#pragma once
// A bitmap tiled over part of the board, or the colour used when there is none.

#include <QBrush>
#include <QImage>

class QPainter;
class QRect;
class QColor;

/// A texture the board was handed. Its tiles start at the board's own
/// origin whatever area is painted, so squares painted one at a time line up
/// with squares painted all at once.
class TBoardTexture {
public:
    /// No texture: fills use the fallback colour.
    TBoardTexture() = default;
    /// Keeps the image as handed in; a null image is no texture.
    explicit TBoardTexture(const QImage& image);

    /// The image exactly as it was handed in.
    const QImage& Image() const { return _image; }
    /// True when there is an image with a width and a height above 0.
    bool Usable() const { return _usable; }
    /// Fills rect with the texture when usable, else with the colour.
    void Fill(QPainter& painter, const QRect& rect, const QColor& fallback) const;

private:
    QImage _image;
    QBrush _brush;
    bool _usable = false;
};
