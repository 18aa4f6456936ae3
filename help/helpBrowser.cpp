#include "helpBrowser.h"

#include <QTextDocument>
#include <QUrl>

#include "diagramImage.h"
#include "helpDiagrams.h"

THelpBrowser::THelpBrowser(QWidget* parent) : QTextBrowser(parent)
{
    // The page is the program's own; nothing in it leads out of the program.
    setOpenLinks(true);
    setOpenExternalLinks(false);
}

QVariant THelpBrowser::loadResource(int type, const QUrl& name)
{
    if (type == QTextDocument::ImageResource && name.scheme() == QLatin1String(DiagramScheme)) {
        // Drawn for this browser's screen, so a ratio of 2 gets pictures of
        // twice the pixels instead of enlarged ones.
        const THelpDiagram* diagram = FindHelpDiagram(name.path().toStdString());
        if (diagram)
            return DiagramImage(*diagram, devicePixelRatioF());
        return {};
    }
    return QTextBrowser::loadResource(type, name);
}
