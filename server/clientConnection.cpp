#include "clientConnection.h"

#include "serverMessages.h"

namespace {

// Twenty messages a second keep up with any person and any fair bot; a burst
// of forty covers a reconnect that resends what was waiting.
constexpr int MessagesPerSecond = 20;
constexpr int MessageBurst = 40;

} // namespace

TClientConnection::TClientConnection(QWebSocket* socket, quint64 number, QObject* parent)
    : QObject(parent), rate(MessagesPerSecond, MessageBurst), _socket(socket), _number(number)
{
    _socket->setParent(this);
}

void TClientConnection::Send(const QJsonObject& message)
{
    if (_socket->state() == QAbstractSocket::ConnectedState)
        _socket->sendTextMessage(QString::fromUtf8(net::FrameText(message)));
}

bool TClientConnection::Holds(const QString& game, net::TSeat seat) const
{
    const auto held = seats.constFind(game);
    return held != seats.constEnd() && held->contains(net::SeatIndex(seat));
}

bool TClientConnection::HoldsTeam(const QString& game, bool white) const
{
    const auto held = seats.constFind(game);
    if (held == seats.constEnd())
        return false;
    for (const int index : *held)
        if (net::SeatAt(index).white == white)
            return true;
    return false;
}
