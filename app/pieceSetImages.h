#pragma once
// The eight piece sets the main window keeps ready for the board.

#include <QImage>
#include <array>
#include <cstddef>

/// The piece sets by name: Common (Cm) and French (Fr) drawings at 36, 40,
/// 72 and 80 pixels, each also with the black pieces turned round.
enum class TPieceSetName : std::size_t {
    ImageCm36,
    ImageCm36FlipBlack,
    ImageFr40,
    ImageFr40FlipBlack,
    ImageCm72,
    ImageCm72FlipBlack,
    ImageFr80,
    ImageFr80FlipBlack,
};

/// The eight piece-set images, read once from the compiled-in resources.
class TPieceSetImages {
public:
    /// Loads every set; a set that cannot be read stays a null image, which
    /// the board treats as "no set of the host" (its built-in set shows).
    TPieceSetImages();

    /// The image of one set.
    const QImage& Image(TPieceSetName name) const;

    /// Number of sets held.
    static constexpr std::size_t Count = 8;

private:
    std::array<QImage, Count> _images;
};
