#pragma once
// The page view of the rules window: a text browser that draws the page's
// pictures itself.

#include <QTextBrowser>

/// Shows a page of the program's resources. An image named "diagram:NAME"
/// is the rules picture of that name (HelpDiagrams), drawn for the browser's
/// device pixel ratio; every other name loads as a plain text browser loads it.
class THelpBrowser : public QTextBrowser {
    Q_OBJECT

public:
    explicit THelpBrowser(QWidget* parent = nullptr);

    /// The scheme of the picture names.
    static constexpr const char* DiagramScheme = "diagram";

    QVariant loadResource(int type, const QUrl& name) override;
};
