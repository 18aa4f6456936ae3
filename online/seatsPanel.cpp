#include "seatsPanel.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "onlineSession.h"
#include "tableTexts.h"

namespace online {

TSeatsPanel::TSeatsPanel(const net::TOnlineSession& session, QWidget* parent)
    : QWidget(parent), session_(session), seats_(new QListWidget(this)), watchers_(new QLabel(this))
{
    setObjectName(QStringLiteral("OnlineSeats"));
    seats_->setObjectName(QStringLiteral("OnlineSeatList"));
    seats_->setSelectionMode(QAbstractItemView::NoSelection);
    seats_->setFocusPolicy(Qt::NoFocus);
    auto* const layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(seats_);
    layout->addWidget(watchers_);
    const net::TOnlineSession* const s = &session_;
    connect(s, &net::TOnlineSession::GameReset, this, &TSeatsPanel::Refresh);
    connect(s, &net::TOnlineSession::SeatsChanged, this, &TSeatsPanel::Refresh);
    connect(s, &net::TOnlineSession::StateChanged, this, &TSeatsPanel::Refresh);
    connect(s, &net::TOnlineSession::MoveArrived, this, &TSeatsPanel::Refresh);
    connect(s, &net::TOnlineSession::MoveAnswered, this, &TSeatsPanel::Refresh);
    connect(s, &net::TOnlineSession::WatchersChanged, this, &TSeatsPanel::Refresh);
    connect(s, &net::TOnlineSession::Seated, this, &TSeatsPanel::Refresh);
    Refresh();
}

QStringList TSeatsPanel::Lines() const
{
    QStringList lines;
    for (int row = 0; row < seats_->count(); ++row)
        lines.append(seats_->item(row)->text());
    lines.append(watchers_->text());
    return lines;
}

void TSeatsPanel::Refresh()
{
    const net::TFollowedGame& game = session_.Game();
    const std::optional<net::TSeat> mover = game.BoardMover();
    seats_->clear();
    for (const net::TSeatView& view : game.Seats()) {
        auto* const item =
            new QListWidgetItem(SeatTitle(view.seat, game.Settings().playersPerTeam) + QStringLiteral(": ") +
                                    SeatLine(view, mover && *mover == view.seat),
                                seats_);
        QFont font = item->font();
        font.setBold(view.heldHere);
        item->setFont(font);
    }
    watchers_->setText(tr("Watching: %1").arg(game.Watchers()));
}

} // namespace online
