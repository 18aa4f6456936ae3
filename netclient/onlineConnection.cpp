#include "onlineConnection.h"

#include <QJsonDocument>
#include <QRandomGenerator>
#include <algorithm>

#include "onlineGameParts.h"
#include "protocolLimits.h"
#include "serverMessages.h"

namespace net {

namespace {

// A snapshot of the longest game with its chat is a few hundred kilobytes;
// far more than that is no snapshot, and must not fill the memory.
constexpr qint64 MaxServerFrameBytes = 16 * 1024 * 1024;
// The pause varies by this fraction either way, so that the players of a game
// whose server came back do not all knock at once.
constexpr double Jitter = 0.2;

QString Shortened(const QString& text)
{
    constexpr int Shown = 120;
    return text.size() > Shown ? text.left(Shown) + QStringLiteral("…") : text;
}

} // namespace

TOnlineConnection::TOnlineConnection(QObject* parent) : QObject(parent)
{
    socket_.setMaxAllowedIncomingMessageSize(MaxServerFrameBytes);
    socket_.setMaxAllowedIncomingFrameSize(MaxServerFrameBytes);
    retry_.setSingleShot(true);
    connect(&retry_, &QTimer::timeout, this, &TOnlineConnection::Attempt);
    connect(&tick_, &QTimer::timeout, this, &TOnlineConnection::OnTick);
    connect(&socket_, &QWebSocket::connected, this, &TOnlineConnection::OnConnected);
    connect(&socket_, &QWebSocket::stateChanged, this, [this](QAbstractSocket::SocketState state) {
        // Also when an attempt fails before connecting, which `disconnected` does not tell.
        if (state == QAbstractSocket::UnconnectedState && !aborting_)
            OnDisconnected();
    });
    connect(&socket_, &QWebSocket::textMessageReceived, this, &TOnlineConnection::OnText);
    connect(&socket_, &QWebSocket::binaryMessageReceived, this, [this] {
        Fail(QStringLiteral("the server sent a binary frame; a game server sends only text"));
    });
    connect(&socket_, &QWebSocket::sslErrors, this, [this](const QList<QSslError>& errors) {
        // A certificate that does not check out is no network trouble: retrying
        // would only ask the player to trust it again and again.
        Fail(QStringLiteral("the server's certificate is not trusted: %1")
                 .arg(errors.isEmpty() ? QString() : errors.first().errorString()));
    });
}

TOnlineConnection::~TOnlineConnection()
{
    // The socket closes as it is destroyed, after the timers are gone; what it
    // says then must not start a retry on a timer that no longer exists.
    socket_.disconnect(this);
}

void TOnlineConnection::Open(const QUrl& url, const QString& name)
{
    url_ = url;
    name_ = name;
    problem_.clear();
    welcomedBefore_ = false;
    failedAttempts_ = 0;
    SetState(TConnectionState::Connecting);
    Attempt();
}

void TOnlineConnection::Attempt()
{
    if (state_ != TConnectionState::Connecting && state_ != TConnectionState::Reconnecting)
        return;
    heard_.start();
    tick_.start(timing_.pingIntervalMs);
    AbortQuietly();
    socket_.open(url_);
}

bool TOnlineConnection::Send(const QJsonObject& message)
{
    if (state_ != TConnectionState::Ready)
        return false;
    socket_.sendTextMessage(QString::fromUtf8(FrameText(message)));
    return true;
}

void TOnlineConnection::Close()
{
    retry_.stop();
    tick_.stop();
    SetState(TConnectionState::Closed);
    socket_.close();
}

void TOnlineConnection::Fail(const QString& problem)
{
    if (state_ == TConnectionState::Failed || state_ == TConnectionState::Closed)
        return;
    retry_.stop();
    tick_.stop();
    problem_ = problem;
    SetState(TConnectionState::Failed);
    socket_.close(QWebSocketProtocol::CloseCodeProtocolError);
    emit Failed(problem);
}

std::optional<qint64> TOnlineConnection::ReconnectingSinceMs() const
{
    if (state_ != TConnectionState::Reconnecting)
        return std::nullopt;
    return droppedAtMs_;
}

void TOnlineConnection::OnConnected()
{
    heard_.start();
    socket_.sendTextMessage(
        QString::fromUtf8(FrameText(QJsonObject{{QStringLiteral("type"), QStringLiteral("hello")},
                                                {QStringLiteral("protocol"), ProtocolVersion},
                                                {QStringLiteral("name"), name_}})));
}

void TOnlineConnection::OnDisconnected()
{
    if (state_ == TConnectionState::Closed || state_ == TConnectionState::Failed)
        return;
    if (socket_.closeCode() == QWebSocketProtocol::CloseCodePolicyViolated) {
        Fail(QStringLiteral("the server closed the line for sending too much (%1)")
                 .arg(Shortened(socket_.closeReason())));
        return;
    }
    ScheduleRetry();
}

void TOnlineConnection::ScheduleRetry()
{
    tick_.stop();
    if (state_ != TConnectionState::Reconnecting) {
        droppedAtMs_ = MonotonicNowMs();
        SetState(TConnectionState::Reconnecting);
    }
    const int shift = std::min(failedAttempts_, 16);
    ++failedAttempts_;
    const qint64 pause = std::min<qint64>(qint64{timing_.firstRetryMs} << shift, timing_.longestRetryMs);
    const double factor = 1.0 + Jitter * (2.0 * QRandomGenerator::global()->generateDouble() - 1.0);
    retry_.start(static_cast<int>(static_cast<double>(pause) * factor));
}

void TOnlineConnection::OnTick()
{
    if (state_ == TConnectionState::Ready) {
        if (heard_.hasExpired(timing_.silenceLimitMs)) {
            // No pong: the line is gone even if the socket has not noticed yet
            // (a cable pulled, a laptop's lid closed). Dropping it now is what
            // brings the player back quickly.
            AbortQuietly();
            ScheduleRetry();
            return;
        }
        socket_.sendTextMessage(
            QString::fromUtf8(FrameText({{QStringLiteral("type"), QStringLiteral("ping")},
                                         {QStringLiteral("payload"), QString::number(++pings_)}})));
    } else if (heard_.hasExpired(timing_.connectLimitMs)) {
        AbortQuietly();
        ScheduleRetry();
    }
}

void TOnlineConnection::OnText(const QString& text)
{
    if (state_ == TConnectionState::Closed || state_ == TConnectionState::Failed)
        return;
    heard_.start();
    const TServerFrame frame = ReadServerFrame(text.toUtf8());
    if (frame.type.isEmpty()) {
        Fail(QStringLiteral("the server sent something that is no message of a game server: %1")
                 .arg(Shortened(text)));
        return;
    }
    if (frame.type == u"pong")
        return;
    if (frame.type == u"welcome") {
        if (frame.body.value(QStringLiteral("protocol")).toInteger(-1) != ProtocolVersion) {
            Fail(QStringLiteral("the server speaks another protocol than this program (%1)")
                     .arg(Shortened(text)));
            return;
        }
        serverName_ = frame.body.value(QStringLiteral("server")).toString().left(MaxNameLength * 2);
        failedAttempts_ = 0;
        const bool again = welcomedBefore_;
        welcomedBefore_ = true;
        SetState(TConnectionState::Ready);
        emit Welcomed(again);
        return;
    }
    if (frame.type == u"error" && frame.body.value(QStringLiteral("code")).toString() == u"protocol") {
        Fail(QStringLiteral("the server speaks another version of the game's protocol: %1")
                 .arg(Shortened(frame.body.value(QStringLiteral("text")).toString())));
        return;
    }
    if (state_ != TConnectionState::Ready) {
        Fail(QStringLiteral("the server sent \"%1\" before its welcome").arg(Shortened(frame.type)));
        return;
    }
    emit FrameReceived(frame.type, frame.body);
}

void TOnlineConnection::AbortQuietly()
{
    aborting_ = true;
    socket_.abort();
    aborting_ = false;
}

void TOnlineConnection::SetState(TConnectionState state)
{
    if (state_ == state)
        return;
    state_ = state;
    emit StateChanged(state);
}

} // namespace net
