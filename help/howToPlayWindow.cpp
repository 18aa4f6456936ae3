#include "howToPlayWindow.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "helpBrowser.h"

// Q_INIT_RESOURCE must name the resource outside any namespace.
static void EnsureHelpResources()
{
    // The page lives in a static library, whose registration a linker may drop.
    Q_INIT_RESOURCE(help);
}

THowToPlayWindow::THowToPlayWindow(QWidget* parent) : QDialog(parent)
{
    EnsureHelpResources();
    setObjectName(QStringLiteral("HowToPlayWindow"));
    setWindowTitle(tr("How to play"));
    setModal(false);

    _browser = new THelpBrowser(this);
    _browser->setObjectName(QStringLiteral("HowToPlayPage"));
    _browser->setSource(PageUrl());

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(_browser);
    layout->addWidget(buttons);
    resize(660, 720);
}

QUrl THowToPlayWindow::PageUrl()
{
    return QUrl(QStringLiteral("qrc:/help/how-to-play.html"));
}
