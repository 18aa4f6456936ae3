#include "botConnection.h"

#include <algorithm>

#include "protocolLimits.h"
#include "serverMessages.h"

namespace {

// A restarting server is back within seconds; a pause that grows to a few
// seconds keeps many bots from hammering it meanwhile, and the attempts are
// bounded so a server that is gone ends the run with a message.
constexpr int FirstRetryMs = 100;
constexpr int LongestRetryMs = 3000;
constexpr int MostFailedAttempts = 40;

} // namespace

TBotConnection::TBotConnection(const QUrl& url, const QString& name, QObject* parent)
    : QObject(parent), url_(url), name_(name)
{
    retry_.setSingleShot(true);
    connect(&retry_, &QTimer::timeout, this, &TBotConnection::Open);
    connect(&socket_, &QWebSocket::connected, this, &TBotConnection::OnConnected);
    connect(&socket_, &QWebSocket::stateChanged, this, &TBotConnection::OnStateChanged);
    connect(&socket_, &QWebSocket::textMessageReceived, this, &TBotConnection::OnText);
}

void TBotConnection::Open()
{
    if (closing_ || socket_.state() != QAbstractSocket::UnconnectedState)
        return;
    socket_.open(url_);
}

void TBotConnection::Send(const QJsonObject& message)
{
    if (ready_)
        socket_.sendTextMessage(QString::fromUtf8(net::FrameText(message)));
}

void TBotConnection::Close()
{
    closing_ = true;
    ready_ = false;
    retry_.stop();
    socket_.close();
}

void TBotConnection::OnConnected()
{
    socket_.sendTextMessage(QString::fromUtf8(
        net::FrameText({{"type", "hello"}, {"protocol", net::ProtocolVersion}, {"name", name_}})));
}

void TBotConnection::OnStateChanged(QAbstractSocket::SocketState state)
{
    if (state != QAbstractSocket::UnconnectedState || closing_)
        return;
    ready_ = false;
    if (++failedAttempts_ > MostFailedAttempts) {
        Fail(QStringLiteral("no answer from %1 after %2 attempts")
                 .arg(url_.toString())
                 .arg(MostFailedAttempts));
        return;
    }
    // Doubling from the first pause: 100, 200, 400 ms ... up to the longest.
    const int shift = std::min(failedAttempts_ - 1, 5);
    retry_.start(std::min(FirstRetryMs << shift, LongestRetryMs));
}

void TBotConnection::OnText(const QString& text)
{
    const net::TServerFrame frame = net::ReadServerFrame(text.toUtf8());
    const QJsonObject& body = frame.body;
    const QString& type = frame.type;
    if (type.isEmpty()) {
        Fail("the server sent a frame that is no JSON object with a type: " + text.left(200));
        return;
    }
    if (type == "welcome") {
        if (body.value("protocol").toInt() != net::ProtocolVersion) {
            Fail("the server speaks another protocol: " + text.left(200));
            return;
        }
        ready_ = true;
        failedAttempts_ = 0;
        const bool again = welcomedBefore_;
        welcomedBefore_ = true;
        emit Welcomed(again);
        return;
    }
    emit FrameReceived(type, body);
}

void TBotConnection::Fail(const QString& problem)
{
    Close();
    emit Failed(problem);
}
