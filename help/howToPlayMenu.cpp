#include "howToPlayMenu.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>

#include "howToPlayWindow.h"

QAction* AddHowToPlay(QMenu& menu, QAction* before, QWidget& owner)
{
    auto* action = new QAction(QObject::tr("How to play"), &owner);
    action->setObjectName(QStringLiteral("MnuItemHowToPlay"));
    action->setShortcut(QKeySequence::HelpContents);
    menu.insertAction(before, action);
    QObject::connect(action, &QAction::triggered, &owner, [&owner] { ShowHowToPlay(owner); });
    return action;
}

THowToPlayWindow& ShowHowToPlay(QWidget& owner)
{
    // One window for the owner's life: asking again brings the same page
    // back where the reader left it.
    auto* window = owner.findChild<THowToPlayWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (!window)
        window = new THowToPlayWindow(&owner);
    window->show();
    window->raise();
    window->activateWindow();
    return *window;
}
