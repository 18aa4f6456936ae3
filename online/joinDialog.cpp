// The dialog that asks which game to join: a link as it was passed on, or an
// address (the last servers offered) and a code read out, and the name.

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

#include "onlineDialogs.h"

namespace online {

std::optional<TJoinChoice> TQtOnlineDialogs::AskJoin(QWidget* parent, const QString& link,
                                                     const QString& name, const QStringList& servers)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(QObject::tr("Join a game"));
    auto* const form = new QFormLayout(&dialog);
    auto* const linkEdit = new QLineEdit(link, &dialog);
    linkEdit->setPlaceholderText(QStringLiteral("veltan://host:7490/CODE"));
    // A whole link shows, an IPv6 address and all.
    linkEdit->setMinimumWidth(
        linkEdit->fontMetrics().horizontalAdvance(QStringLiteral("veltans://[fd00::1234:5678]:7490/CODE99")));
    auto* const address = new QComboBox(&dialog);
    address->setEditable(true);
    address->addItems(servers);
    auto* const code = new QLineEdit(&dialog);
    auto* const nameEdit = new QLineEdit(name, &dialog);
    auto* const problem = new QLabel(&dialog);
    problem->setWordWrap(true);
    auto* const buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    form->addRow(QObject::tr("Invitation link:"), linkEdit);
    form->addRow(new QLabel(QObject::tr("or"), &dialog));
    form->addRow(QObject::tr("Server:"), address);
    form->addRow(QObject::tr("Game code:"), code);
    form->addRow(QObject::tr("Your name:"), nameEdit);
    form->addRow(problem);
    form->addRow(buttons);

    TJoinChoice choice;
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
        const net::TInvitationReading reading =
            linkEdit->text().trimmed().isEmpty()
                ? net::ReadAddressAndCode(address->currentText(), code->text())
                : net::ReadInvitationLink(linkEdit->text());
        choice.name = nameEdit->text().trimmed();
        if (!reading.invitation)
            problem->setText(reading.problem);
        else if (choice.name.isEmpty())
            problem->setText(QObject::tr("Give the name the others will see."));
        else {
            choice.invitation = *reading.invitation;
            dialog.accept();
        }
    });
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return choice;
}

} // namespace online
