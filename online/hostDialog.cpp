// The dialog that asks how to host a game: the server, the host's name, the
// game's settings (those of the options dialog) and the seats to take.

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <array>

#include "onlineDialogs.h"
#include "refereeGame.h"
#include "tableTexts.h"

namespace online {
namespace {

const int OfferedCounts[] = {1, 2, 4};
// Ports below this one are the system's.
constexpr int MinimumPort = 1024;

QComboBox* CountBox(QWidget* parent, int value)
{
    auto* const box = new QComboBox(parent);
    for (const int count : OfferedCounts)
        box->addItem(QString::number(count), count);
    box->setCurrentIndex(std::max(0, box->findData(value)));
    return box;
}

QSpinBox* NumberBox(QWidget* parent, int lowest, int highest, int value)
{
    auto* const box = new QSpinBox(parent);
    box->setRange(lowest, highest);
    box->setValue(value);
    return box;
}

} // namespace

QString HostChoiceProblem(const THostChoice& choice)
{
    if (choice.name.trimmed().isEmpty())
        return QObject::tr("Give the name the others will see.");
    const std::string rules =
        TurnRulesProblem({choice.settings.movesPerTeamTurn, choice.settings.playersPerTeam});
    if (!rules.empty())
        return QString::fromStdString(rules);
    for (const net::TSeat seat : choice.seats)
        if (seat.player < 1 || seat.player > choice.settings.playersPerTeam)
            return QObject::tr("A team has only %1 players.").arg(choice.settings.playersPerTeam);
    if (choice.onThisMachine && choice.port < MinimumPort)
        return QObject::tr("Choose a port from %1 up.").arg(MinimumPort);
    if (!choice.onThisMachine &&
        !net::ReadAddressAndCode(choice.address, QStringLiteral("AAAAAA")).invitation)
        return QObject::tr("The server's address is not one this program can reach: %1").arg(choice.address);
    return {};
}

std::optional<THostChoice> TQtOnlineDialogs::AskHost(QWidget* parent, const THostChoice& proposal)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(QObject::tr("Host a game"));
    auto* const form = new QFormLayout(&dialog);
    auto* const name = new QLineEdit(proposal.name, &dialog);
    auto* const here = new QCheckBox(QObject::tr("Run the server on this machine, port:"), &dialog);
    here->setChecked(proposal.onThisMachine);
    auto* const port = NumberBox(&dialog, MinimumPort, 65535, proposal.port);
    auto* const address = new QLineEdit(proposal.address, &dialog);
    QObject::connect(here, &QCheckBox::toggled, port, &QWidget::setEnabled);
    QObject::connect(here, &QCheckBox::toggled, address, &QWidget::setDisabled);
    port->setEnabled(proposal.onThisMachine);
    address->setEnabled(!proposal.onThisMachine);
    auto* const arrangement = new QComboBox(&dialog);
    arrangement->addItems({QObject::tr("Standard"), QObject::tr("Quadrant"), QObject::tr("Castling test")});
    arrangement->setCurrentIndex(proposal.settings.arrangement);
    auto* const rowShift = NumberBox(&dialog, 0, 2, proposal.settings.rowShift);
    auto* const players = CountBox(&dialog, proposal.settings.playersPerTeam);
    auto* const moves = CountBox(&dialog, proposal.settings.movesPerTeamTurn);
    auto* const minutesWhite = NumberBox(&dialog, 1, net::MaxMinutes, proposal.settings.minutesWhite);
    auto* const minutesBlack = NumberBox(&dialog, 1, net::MaxMinutes, proposal.settings.minutesBlack);
    auto* const incrementWhite =
        NumberBox(&dialog, 0, net::MaxIncrementSeconds, proposal.settings.incrementWhite);
    auto* const incrementBlack =
        NumberBox(&dialog, 0, net::MaxIncrementSeconds, proposal.settings.incrementBlack);
    auto* const seatGrid = new QGridLayout;
    std::array<QCheckBox*, net::MaxSeats> seatBoxes{};
    for (int index = 0; index < net::MaxSeats; ++index) {
        const net::TSeat seat = net::SeatAt(index);
        auto* const box = new QCheckBox(SeatTitle(seat, net::MaxPlayersPerTeam), &dialog);
        box->setChecked(proposal.seats.contains(seat));
        seatGrid->addWidget(box, seat.white ? 0 : 1, seat.player - 1);
        seatBoxes[static_cast<std::size_t>(index)] = box;
    }
    auto* const problem = new QLabel(&dialog);
    problem->setWordWrap(true);
    auto* const buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    form->addRow(QObject::tr("Your name:"), name);
    form->addRow(here, port);
    form->addRow(QObject::tr("or the server at:"), address);
    auto* const reach =
        new QLabel(QObject::tr("Others on this network reach a server on this machine by its "
                               "address; from the internet only through a forwarded port or a "
                               "public server."),
                   &dialog);
    reach->setWordWrap(true);
    form->addRow(reach);
    form->addRow(QObject::tr("Start position:"), arrangement);
    form->addRow(QObject::tr("Empty ranks at each edge:"), rowShift);
    form->addRow(QObject::tr("Players per team:"), players);
    form->addRow(QObject::tr("Moves per team turn:"), moves);
    form->addRow(QObject::tr("White's minutes:"), minutesWhite);
    form->addRow(QObject::tr("Black's minutes:"), minutesBlack);
    form->addRow(QObject::tr("White's increment (s):"), incrementWhite);
    form->addRow(QObject::tr("Black's increment (s):"), incrementBlack);
    form->addRow(QObject::tr("Your seats:"), seatGrid);
    form->addRow(problem);
    form->addRow(buttons);

    THostChoice choice;
    const auto read = [&] {
        choice.onThisMachine = here->isChecked();
        choice.port = static_cast<quint16>(port->value());
        choice.address = address->text().trimmed();
        choice.name = name->text().trimmed();
        choice.settings = {arrangement->currentIndex(),    rowShift->value(),
                           players->currentData().toInt(), moves->currentData().toInt(),
                           minutesWhite->value(),          minutesBlack->value(),
                           incrementWhite->value(),        incrementBlack->value()};
        choice.seats.clear();
        for (int index = 0; index < net::MaxSeats; ++index)
            if (seatBoxes[static_cast<std::size_t>(index)]->isChecked())
                choice.seats.append(net::SeatAt(index));
        return HostChoiceProblem(choice);
    };
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
        const QString why = read();
        problem->setText(why);
        if (why.isEmpty())
            dialog.accept();
    });
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return choice;
}

} // namespace online
