// The dialog that shows a joined game's seats with who holds them and asks
// which free ones to take (several may be), or to watch.

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <vector>

#include "onlineDialogs.h"
#include "tableTexts.h"

namespace online {

TSeatsChoice TQtOnlineDialogs::AskSeats(QWidget* parent, const net::TFollowedGame& game)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(QObject::tr("Take a seat"));
    auto* const layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(
        QObject::tr("Game %1: choose the free seats to play, or watch.").arg(game.Code()), &dialog));
    std::vector<std::pair<net::TSeat, QCheckBox*>> boxes;
    for (const net::TSeatView& view : game.Seats()) {
        auto* const box = new QCheckBox(SeatTitle(view.seat, game.Settings().playersPerTeam) +
                                            QStringLiteral(": ") + SeatLine(view, false),
                                        &dialog);
        box->setEnabled(view.name.isEmpty());
        layout->addWidget(box);
        boxes.emplace_back(view.seat, box);
    }
    auto* const buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, &dialog);
    QPushButton* const take = buttons->addButton(QObject::tr("Take the seats"), QDialogButtonBox::AcceptRole);
    QPushButton* const watch = buttons->addButton(QObject::tr("Watch"), QDialogButtonBox::AcceptRole);
    layout->addWidget(buttons);
    bool watching = false;
    QObject::connect(take, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(watch, &QPushButton::clicked, &dialog, [&] {
        watching = true;
        dialog.accept();
    });
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    QList<net::TSeat> seats;
    if (!watching)
        for (const auto& [seat, box] : boxes)
            if (box->isChecked())
                seats.append(seat);
    return seats;
}

} // namespace online
