#pragma once
// A piece set cut into one image per piece, ready to draw.
//
// The source sheet holds 7 columns (pawn, knight, bishop, rook, queen, king,
// en passant ring) and 4 rows (white pictures, white masks, black pictures,
// black masks) of square cells. A mask pixel's darkness is the piece's opacity:
// white is transparent, black opaque, the greys between them give smooth edges.
//
// A set may also hold sharper sheets of the same art, drawn at two and three
// times the cell. A piece wanted at some size in device pixels is taken from
// the smallest sheet at least that large and only ever scaled down, so a
// piece on a 200 % screen is as sharp as one on a 100 % screen.

#include <QImage>
#include <QPainter>
#include <array>
#include <optional>
#include <vector>

/// The 14 piece images of one sheet, cut once; scaled copies are made once per size.
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

    /// Adds a sheet of the same art drawn at `scale` times the cell (2, 3, ...).
    /// A sheet of another cell size, or of no piece-set shape, is ignored.
    void AddSharperSheet(int scale, const QImage& sheet);
    /// Cell of the largest sheet held: the biggest a piece is drawn without
    /// enlarging a bitmap. PieceSize() when only the set's own sheet is held.
    int LargestCell() const;
    /// The letter's piece `size` device pixels wide: from the smallest sheet
    /// at least that large, smoothly scaled down to it. A set with sharper
    /// sheets is never enlarged (it stops at LargestCell()); a set of one
    /// sheet (a host's own) is smoothly enlarged. Null for a non-piece.
    QImage ImageAt(char letter, int size) const;

    /// Makes DrawSized draw every piece at `size` device pixels (ImageAt,
    /// cached until the size changes).
    void PrepareSize(int size);
    /// Edge of the pieces DrawSized draws, after any capping of PrepareSize.
    int PreparedSize() const { return _preparedSize; }
    /// The letter's piece at the prepared size; nullptr when the letter is no piece or the set is empty.
    const QImage* PreparedImage(char letter) const;
    /// Draws a letter's piece at the prepared size, top-left at (x, y).
    void DrawSized(QPainter& painter, int x, int y, char letter) const;

private:
    using TImages = std::array<QImage, ImageCount>;
    static TImages Cut(const QImage& sheet);
    std::optional<std::size_t> SlotOf(char letter) const;
    void CutVisibleParts();

    TImages _images{};
    int _pieceSize = 0;
    // Sharper sheets, cut, by ascending scale.
    std::vector<std::pair<int, TImages>> _sharper;
    TImages _prepared{};
    // The prepared pieces cut to their visible part, and where that part
    // starts in the cell: drawing skips the cells' transparent margins.
    TImages _preparedVisible{};
    std::array<QPoint, ImageCount> _visibleOffset{};
    int _preparedSize = 0;
    // The size last asked of PrepareSize, which a cap may have lowered.
    int _preparedFor = 0;
};
