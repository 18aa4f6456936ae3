#include "pieceSetImages.h"

#include "pieceResources.h"

namespace {

// In the order of TPieceSetName.
constexpr std::array<const char*, TPieceSetImages::Count> ResourceNames = {
    "ImageCm36", "ImageCm36FlipBlack", "ImageFr40", "ImageFr40FlipBlack",
    "ImageCm72", "ImageCm72FlipBlack", "ImageFr80", "ImageFr80FlipBlack",
};

} // namespace

TPieceSetImages::TPieceSetImages()
{
    // The images live in another static library; make sure its resources are registered.
    EnsurePieceResources();
    for (std::size_t i = 0; i < Count; ++i)
        _images[i] = QImage(PieceSetPath(QString::fromLatin1(ResourceNames[i])));
}

const QImage& TPieceSetImages::Image(TPieceSetName name) const
{
    return _images[static_cast<std::size_t>(name) % Count];
}
