#include "catalogue.h"

namespace pieceset {

std::vector<SheetSpec> sheetCatalogue()
{
    std::vector<SheetSpec> sheets = {
        {QStringLiteral("SETKORLAN40.png"), StyleName::Korlan, 40, false},
        {QStringLiteral("ImageCm36.png"), StyleName::Cm, 36, false},
        {QStringLiteral("ImageCm36FlipBlack.png"), StyleName::Cm, 36, true},
        {QStringLiteral("ImageFr40.png"), StyleName::Fr, 40, false},
        {QStringLiteral("ImageFr40FlipBlack.png"), StyleName::Fr, 40, true},
        {QStringLiteral("ImageCm72.png"), StyleName::Cm, 72, false},
        {QStringLiteral("ImageCm72FlipBlack.png"), StyleName::Cm, 72, true},
        {QStringLiteral("ImageFr80.png"), StyleName::Fr, 80, false},
        {QStringLiteral("ImageFr80FlipBlack.png"), StyleName::Fr, 80, true},
    };
    const std::size_t shipped = sheets.size();
    for (const int scale : {2, 3}) {
        for (std::size_t i = 0; i < shipped; ++i) {
            const SheetSpec& set = sheets[i];
            if (!set.flipBlack)
                sheets.push_back({QStringLiteral("%1x/").arg(scale) + set.fileName, set.style, set.cellSize,
                                  false, scale});
        }
    }
    return sheets;
}

std::vector<IconSpec> iconCatalogue()
{
    return {
        {QStringLiteral("veltan.png"), 256},
        {QStringLiteral("veltan-48.png"), 48},
    };
}

} // namespace pieceset
