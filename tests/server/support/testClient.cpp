#include "testClient.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonDocument>
#include <QTimer>

#include "protocolLimits.h"

TTestClient::TTestClient(QObject* parent) : QObject(parent)
{
    connect(&socket_, &QWebSocket::textMessageReceived, this, &TTestClient::OnText);
    connect(&socket_, &QWebSocket::stateChanged, this, &TTestClient::Changed);
}

template <typename TDone> bool TTestClient::WaitUntil(TDone done, int waitMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        const qint64 left = waitMs - clock.elapsed();
        if (left <= 0)
            return false;
        QEventLoop loop;
        QTimer timer;
        timer.setSingleShot(true);
        connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
        connect(this, &TTestClient::Changed, &loop, &QEventLoop::quit);
        timer.start(static_cast<int>(left));
        loop.exec();
    }
    return true;
}

bool TTestClient::Open(const QUrl& url, int waitMs)
{
    socket_.open(url);
    return WaitUntil([this] { return Connected() || socket_.state() == QAbstractSocket::UnconnectedState; },
                     waitMs) &&
           Connected();
}

void TTestClient::Send(const QJsonObject& message)
{
    SendText(QString::fromUtf8(QJsonDocument(message).toJson(QJsonDocument::Compact)));
}

void TTestClient::SendText(const QString& text)
{
    socket_.sendTextMessage(text);
}

void TTestClient::OnText(const QString& text)
{
    // A frame that is no JSON object is kept too, under a type no server
    // frame has, so a test sees it instead of waiting past it.
    const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8());
    if (document.isObject() && document.object().value("type").isString())
        queue_.append(document.object());
    else
        queue_.append(QJsonObject{{"type", "(no frame)"}, {"text", text}});
    emit Changed();
}

std::optional<QJsonObject> TTestClient::Next(const QString& type, int waitMs)
{
    const auto find = [&] {
        return std::find_if(queue_.begin(), queue_.end(),
                            [&](const QJsonObject& frame) { return frame.value("type").toString() == type; });
    };
    WaitUntil([&] { return find() != queue_.end() || !Connected(); }, waitMs);
    const auto found = find();
    if (found == queue_.end())
        return std::nullopt;
    const QJsonObject frame = *found;
    queue_.erase(found);
    return frame;
}

std::optional<QList<QJsonObject>> TTestClient::Sync(int waitMs)
{
    const QString payload = QStringLiteral("sync-%1").arg(++pings_);
    Send({{"type", "ping"}, {"payload", payload}});
    const auto isPong = [&](const QJsonObject& frame) {
        return frame.value("type").toString() == "pong" && frame.value("payload").toString() == payload;
    };
    const auto pong = [&] { return std::find_if(queue_.begin(), queue_.end(), isPong); };
    WaitUntil([&] { return pong() != queue_.end() || !Connected(); }, waitMs);
    const auto found = pong();
    if (found == queue_.end())
        return std::nullopt;
    QList<QJsonObject> before(queue_.begin(), found);
    queue_.erase(queue_.begin(), found + 1);
    return before;
}

QList<QJsonObject> TTestClient::Drain()
{
    return std::exchange(queue_, {});
}

bool TTestClient::AwaitClosed(int waitMs)
{
    return WaitUntil([this] { return socket_.state() == QAbstractSocket::UnconnectedState; }, waitMs);
}

void TTestClient::Close()
{
    socket_.close();
}

void TTestClient::Abort()
{
    socket_.abort();
}

bool TTestClient::Connected() const
{
    return socket_.state() == QAbstractSocket::ConnectedState;
}

int TTestClient::CloseCode() const
{
    return socket_.closeCode();
}

QJsonObject Hello(const QString& name)
{
    return {{"type", "hello"}, {"protocol", net::ProtocolVersion}, {"name", name}};
}
