// Checks the generator itself: that it refuses a font without chess glyphs rather than letting
// another font stand in, that it copes with any cell size, and that it still reproduces the
// committed images exactly (a change to the drawing code must come with regenerated images).

#include "appicon.h"
#include "catalogue.h"
#include "pieceglyphs.h"
#include "piecepainter.h"
#include "setrenderer.h"
#include "stylebook.h"

#include <QImage>
#include <QTemporaryFile>

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <stdexcept>

namespace {

using namespace pieceset;

// One book for the whole program: registering the same font files again and again is wasteful.
const StyleBook& book()
{
    static const std::optional<StyleBook> loaded = [] {
        QString error;
        auto result = StyleBook::load(&error);
        if (!result) {
            ADD_FAILURE() << qPrintable(error);
        }
        return result;
    }();
    if (!loaded) {
        throw std::runtime_error("fonts unavailable");
    }
    return *loaded;
}

} // namespace

namespace pieceset {

void PrintTo(const SheetSpec& value, std::ostream* out)
{
    *out << value.fileName.toStdString();
}

void PrintTo(const IconSpec& value, std::ostream* out)
{
    *out << value.fileName.toStdString();
}

} // namespace pieceset

namespace {

// ---- Font loading ------------------------------------------------------------------------

struct FontCase {
    const char* what;
    QString file;    // used when junk is empty
    QByteArray junk; // otherwise written to a temporary file that is loaded instead
};

void PrintTo(const FontCase& value, std::ostream* out)
{
    *out << value.what;
}

class RefusedFont : public testing::TestWithParam<FontCase> {};

TEST_P(RefusedFont, GivesNoGlyphsAndSaysWhy)
{
    QTemporaryFile junkFile;
    QString file = GetParam().file;
    if (!GetParam().junk.isEmpty()) {
        ASSERT_TRUE(junkFile.open());
        junkFile.write(GetParam().junk);
        junkFile.close();
        file = junkFile.fileName();
    }
    QString error;
    EXPECT_FALSE(PieceGlyphs::load(file, &error).has_value()) << GetParam().what;
    EXPECT_FALSE(error.isEmpty()) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Files, RefusedFont,
    testing::Values(FontCase{"missing file", QStringLiteral("/nonexistent/NoSuchFont.ttf"), {}},
                    // DejaVu Serif has no chess symbols, while DejaVu Sans, which fontconfig
                    // would happily substitute, has them.
                    FontCase{"font without chess glyphs",
                             QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf"),
                             {}},
                    FontCase{"not a font", {}, QByteArrayLiteral("\x00\x01\x00\x00 this is no font table")}));

TEST(StyleFonts, EveryStyleLoadsItsOwnFamily)
{
    struct Expected {
        StyleName style;
        const char* family;
    };
    for (const Expected expected :
         {Expected{StyleName::Fr, "DejaVu Sans"}, Expected{StyleName::Cm, "FreeSerif"},
          Expected{StyleName::Korlan, "FreeSerif"}}) {
        const PieceStyle style = book().style(expected.style);
        ASSERT_NE(style.glyphs, nullptr);
        EXPECT_EQ(style.glyphs->family(), QLatin1String(expected.family));
    }
}

// ---- Any cell size is safe ---------------------------------------------------------------

class CellSize : public testing::TestWithParam<int> {};

TEST_P(CellSize, GivesASheetOfSevenByFourCells)
{
    const int size = GetParam();
    const QImage sheet = renderSheet(book().style(StyleName::Fr), size, true);
    ASSERT_FALSE(sheet.isNull());
    EXPECT_EQ(sheet.size(), QSize(7 * size, 4 * size));
}

INSTANTIATE_TEST_SUITE_P(Sizes, CellSize, testing::Values(1, 2, 3, 17, 36, 128));

TEST(CellSize, ZeroOrNegativeGivesNothing)
{
    for (const int size : {0, -1, -40}) {
        EXPECT_TRUE(renderSheet(book().style(StyleName::Cm), size, false).isNull()) << size;
        EXPECT_TRUE(paintPiece(book().style(StyleName::Cm), PieceKind::King, Side::White, size).isNull())
            << size;
        EXPECT_TRUE(paintMarker(book().style(StyleName::Cm), Side::Black, size).isNull()) << size;
    }
    EXPECT_TRUE(paintAppIcon(book().style(StyleName::Fr), 15).isNull());
}

TEST(CellSize, StyleWithoutGlyphsGivesNothing)
{
    EXPECT_TRUE(renderSheet(PieceStyle{}, 40, false).isNull());
    EXPECT_TRUE(paintAppIcon(PieceStyle{}, 48).isNull());
}

// ---- The committed images are what the generator draws ------------------------------------

class Regenerated : public testing::TestWithParam<SheetSpec> {};

TEST_P(Regenerated, SheetEqualsTheCommittedOne)
{
    const SheetSpec& entry = GetParam();
    const QImage drawn = renderSheet(book().style(entry.style), entry.cellSize, entry.flipBlack, entry.scale);
    const QImage shipped(QStringLiteral(VELTAN_RESOURCES_DIR "/pieces/") + entry.fileName);
    ASSERT_FALSE(shipped.isNull()) << qPrintable(entry.fileName);
    EXPECT_EQ(drawn.convertToFormat(QImage::Format_RGB32), shipped.convertToFormat(QImage::Format_RGB32))
        << qPrintable(entry.fileName) << " is stale: build the regenerate_piecesets target";
}

INSTANTIATE_TEST_SUITE_P(Catalogue, Regenerated, testing::ValuesIn(sheetCatalogue()),
                         [](const testing::TestParamInfo<SheetSpec>& info) {
                             QString name = info.param.fileName.section(QLatin1Char('.'), 0, 0);
                             return name.replace(QLatin1Char('/'), QLatin1Char('_')).toStdString();
                         });

class RegeneratedIcon : public testing::TestWithParam<IconSpec> {};

TEST_P(RegeneratedIcon, IconEqualsTheCommittedOne)
{
    const IconSpec& entry = GetParam();
    const QImage drawn = paintAppIcon(book().style(StyleName::Fr), entry.size);
    const QImage shipped(QStringLiteral(VELTAN_RESOURCES_DIR "/icons/") + entry.fileName);
    ASSERT_FALSE(shipped.isNull()) << qPrintable(entry.fileName);
    EXPECT_EQ(drawn.convertToFormat(QImage::Format_ARGB32), shipped.convertToFormat(QImage::Format_ARGB32))
        << qPrintable(entry.fileName) << " is stale: build the regenerate_piecesets target";
}

INSTANTIATE_TEST_SUITE_P(Catalogue, RegeneratedIcon, testing::ValuesIn(iconCatalogue()),
                         [](const testing::TestParamInfo<IconSpec>& info) {
                             QString name = info.param.fileName.section(QLatin1Char('.'), 0, 0);
                             return name.replace(QLatin1Char('-'), QLatin1Char('_')).toStdString();
                         });

} // namespace
