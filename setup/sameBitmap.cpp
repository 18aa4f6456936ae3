#include "sameBitmap.h"

#include <QImage>
#include <cstring>

bool SameBitmap(const QImage& a, const QImage& b)
{
    if (a.isNull() || b.isNull())
        return false;
    if (a.size() != b.size() || a.format() != b.format())
        return false;
    // Equal indexes mean different pictures under different tables.
    if (a.colorCount() > 0 && a.colorTable() != b.colorTable())
        return false;

    const int width = a.width();
    const int depth = a.depth();
    if (depth % 8 != 0) {
        // Pixels of less than a byte share their bytes with the row's padding
        // bits; comparing them one by one keeps the padding out.
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < width; ++x)
                if (a.pixelIndex(x, y) != b.pixelIndex(x, y))
                    return false;
        return true;
    }
    // Only the bytes that hold pixels: the rest of a row's stride is filler
    // whose content the image format leaves undefined.
    const auto rowBytes = static_cast<std::size_t>(width) * static_cast<std::size_t>(depth / 8);
    for (int y = 0; y < a.height(); ++y)
        if (std::memcmp(a.constScanLine(y), b.constScanLine(y), rowBytes) != 0)
            return false;
    return true;
}
