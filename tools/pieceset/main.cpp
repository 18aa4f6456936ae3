// Generates the game's piece-set bitmaps and application icon from the chess glyphs of two
// freely licensed fonts. Usage: veltan_make_piecesets <output-dir> [--preview <file.png> [--zoom <n>]]
// writes <output-dir>/pieces/*.png and <output-dir>/icons/*.png; the output is the same on
// every run with the same fonts and Qt.

#include "appicon.h"
#include "catalogue.h"
#include "imagefile.h"
#include "preview.h"
#include "setrenderer.h"
#include "stylebook.h"

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>

#include <cstdio>

namespace {

using namespace pieceset;

int fail(const QString& message)
{
    std::fprintf(stderr, "veltan_make_piecesets: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    // The tool never shows a window, so it needs no display unless the caller asks for one.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const QGuiApplication app(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes the piece-set bitmaps to <output-dir>/pieces and the icons to <output-dir>/icons."));
    parser.addHelpOption();
    const QCommandLineOption previewOption(QStringLiteral("preview"),
                                           QStringLiteral("Also write a preview of every set to <file>."),
                                           QStringLiteral("file"));
    parser.addOption(previewOption);
    const QCommandLineOption zoomOption(
        QStringLiteral("zoom"), QStringLiteral("Enlarge the preview <n> times, pixel for pixel (1 to 8)."),
        QStringLiteral("n"), QStringLiteral("1"));
    parser.addOption(zoomOption);
    parser.addPositionalArgument(QStringLiteral("output-dir"), QStringLiteral("Folder to write into."));
    parser.process(app);
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1) {
        return fail(QStringLiteral("expected exactly one output folder; see --help"));
    }

    bool zoomIsNumber = false;
    const int zoom = parser.value(zoomOption).toInt(&zoomIsNumber);
    if (!zoomIsNumber || zoom < 1 || zoom > 8) {
        return fail(QStringLiteral("--zoom takes a whole number from 1 to 8"));
    }

    const QDir output(positional.front());
    for (const QString& folder :
         {QStringLiteral("pieces/2x"), QStringLiteral("pieces/3x"), QStringLiteral("icons")}) {
        if (!output.mkpath(folder)) {
            return fail(QStringLiteral("cannot create %1").arg(output.filePath(folder)));
        }
    }

    QString error;
    const std::optional<StyleBook> book = StyleBook::load(&error);
    if (!book) {
        return fail(error);
    }

    std::vector<NamedSheet> written;
    for (const SheetSpec& entry : sheetCatalogue()) {
        const QImage sheet =
            renderSheet(book->style(entry.style), entry.cellSize, entry.flipBlack, entry.scale);
        if (!writePng(sheet, output.filePath(QStringLiteral("pieces/") + entry.fileName), &error)) {
            return fail(error);
        }
        if (entry.scale == 1) {
            written.push_back({entry.fileName, sheet});
        }
    }
    for (const IconSpec& entry : iconCatalogue()) {
        const QImage icon = paintAppIcon(book->style(StyleName::Fr), entry.size);
        if (!writePng(icon, output.filePath(QStringLiteral("icons/") + entry.fileName), &error)) {
            return fail(error);
        }
    }
    if (parser.isSet(previewOption)) {
        const QImage preview = composePreview(written);
        const QImage enlarged =
            preview.scaled(preview.size() * zoom, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        if (!writePng(enlarged, parser.value(previewOption), &error)) {
            return fail(error);
        }
    }
    return 0;
}
