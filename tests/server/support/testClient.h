#pragma once
// A WebSocket client for tests that waits for what it expects: every frame
// the server sends is kept in order, a test takes the next one of the type it
// wants, and every wait ends after a bounded time.

#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QUrl>
#include <QWebSocket>
#include <optional>

/// How long a test waits for a frame unless it says otherwise.
inline constexpr int FrameWaitMs = 5'000;

/// One test connection to the server.
class TTestClient : public QObject {
    Q_OBJECT

public:
    explicit TTestClient(QObject* parent = nullptr);

    /// Connects; true once the WebSocket is open, false after the wait.
    bool Open(const QUrl& url, int waitMs = FrameWaitMs);
    /// Sends one JSON object as a text frame.
    void Send(const QJsonObject& message);
    /// Sends any text as a frame, JSON or not.
    void SendText(const QString& text);
    /// Takes the first kept frame of `type` out of the queue, waiting for one
    /// to arrive; frames of other types stay queued in order. Nothing after the
    /// wait or once the connection is closed with none queued.
    std::optional<QJsonObject> Next(const QString& type, int waitMs = FrameWaitMs);
    /// Sends a ping and waits for its pong: every frame the server sent
    /// before the pong, taken out of the queue in order. Nothing when no pong came.
    std::optional<QList<QJsonObject>> Sync(int waitMs = FrameWaitMs);
    /// Every frame queued now, in order; the queue is empty afterwards.
    QList<QJsonObject> Drain();
    /// Waits until the server has closed the connection; true when it did.
    bool AwaitClosed(int waitMs = FrameWaitMs);
    /// Closes the connection (no wait).
    void Close();
    /// Drops the connection at once, as a broken network would.
    void Abort();

    bool Connected() const;
    /// The close code the server sent (QWebSocketProtocol::CloseCodeNormal when none yet).
    int CloseCode() const;

signals:
    /// Something a wait may be waiting for happened: a frame, a connection, a close.
    void Changed();

private:
    void OnText(const QString& text);
    // Runs the event loop until `done` or the time is up; returns `done()`.
    template <typename TDone> bool WaitUntil(TDone done, int waitMs);

    QWebSocket socket_;
    QList<QJsonObject> queue_;
    int pings_ = 0;
};

/// `hello` of protocol 1 with `name`.
QJsonObject Hello(const QString& name);
