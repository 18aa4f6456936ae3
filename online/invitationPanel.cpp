// The invitation a host passes on: the link for each address of this
// machine, a button that copies the first, and the code alone for reading out.
// It stays open beside the game and goes when closed.

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "onlineDialogs.h"

namespace online {

void TQtOnlineDialogs::ShowInvitation(QWidget* parent, const TInvitationTexts& invitation)
{
    // Parented to the window, deleted when closed: it lives as long as the player wants it.
    auto* const panel = new QDialog(parent);
    panel->setAttribute(Qt::WA_DeleteOnClose);
    panel->setObjectName(QStringLiteral("OnlineInvitation"));
    panel->setWindowTitle(QObject::tr("Invitation"));
    auto* const layout = new QVBoxLayout(panel);
    auto* const reach = new QLabel(QObject::tr("Pass one of these links on; players on this network can use "
                                               "them, players on the internet only through a forwarded port "
                                               "or a public server."),
                                   panel);
    reach->setWordWrap(true);
    layout->addWidget(reach);
    auto* const links = new QListWidget(panel);
    links->addItems(invitation.links);
    // Every link whole, and the list no taller than its links.
    int widest = 0;
    for (const QString& link : invitation.links)
        widest = std::max(widest, links->fontMetrics().horizontalAdvance(link));
    constexpr int ListMargin = 24;
    links->setMinimumWidth(widest + ListMargin);
    links->setMaximumHeight(links->sizeHintForRow(0) *
                                std::max<int>(1, static_cast<int>(invitation.links.size())) +
                            2 * links->frameWidth());
    links->setCurrentRow(0);
    layout->addWidget(links);
    auto* const copy = new QPushButton(QObject::tr("Copy"), panel);
    layout->addWidget(copy);
    auto* const code = new QLabel(QObject::tr("Code: %1").arg(invitation.code), panel);
    QFont large = code->font();
    large.setPointSize(large.pointSize() * 2);
    code->setFont(large);
    code->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(code);
    QObject::connect(copy, &QPushButton::clicked, panel, [links] {
        if (const QListWidgetItem* const item = links->currentItem())
            QApplication::clipboard()->setText(item->text());
    });
    panel->show();
}

} // namespace online
