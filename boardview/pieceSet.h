#pragma once
// A piece set cut into one image per piece, ready to draw.
//
// The source sheet holds 7 columns (pawn, knight, bishop, rook, queen, king,
// en passant ring) and 4 rows (white pictures, white masks, black pictures,
// black masks) of square cells. A mask pixel's darkness is the piece's opacity:
// white is transparent, black opaque, the greys between them give smooth edges.

#include <QImage>
#include <QPainter>
#include <array>

/// The 14 piece images of one sheet, cut once and never scaled.
class TPieceSet {
public:
    /// Number of images: white P N B R Q K E, then black p n b r q k e.
    static constexpr int ImageCount = 14;

    /// An empty set: it draws nothing and its piece size is 0.
    TPieceSet() = default;
    /// Cuts a sheet of piece-set shape; any other image gives an empty set.
    explicit TPieceSet(const QImage& sheet);

    /// True for a non-empty sheet whose width and height are in the ratio 7 : 4
    /// and whose cells are at most MaxPieceCell pixels.
    static bool HasPieceSetShape(const QImage& sheet);
    /// The image number of a piece letter ("PNBRQKEpnbrqke" order), -1 for any other character.
    static int PieceImageIndex(char letter);

    /// Edge of one cell in pixels, 0 for an empty set.
    int PieceSize() const { return _pieceSize; }
    bool Empty() const { return _pieceSize == 0; }
    /// The image of a piece letter, nullptr when the letter is no piece or the set is empty.
    const QImage* Image(char letter) const;
    /// Draws a letter's piece with its top-left corner at (x, y); nothing for a non-piece.
    void Draw(QPainter& painter, int x, int y, char letter) const;

private:
    std::array<QImage, ImageCount> _images{};
    int _pieceSize = 0;
};
