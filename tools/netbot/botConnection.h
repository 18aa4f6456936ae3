#pragma once
// The bot's line to the server: a WebSocket that says hello on every
// connection, reads the server's frames as JSON objects, and connects again
// with a growing pause when the line drops, until it gives up.

#include <QJsonObject>
#include <QObject>
#include <QTimer>
#include <QUrl>
#include <QWebSocket>

/// One connection to the server, reconnected with back-off when it drops.
class TBotConnection : public QObject {
    Q_OBJECT

public:
    /// A connection to `url` that introduces itself as `name`; nothing happens before Open.
    TBotConnection(const QUrl& url, const QString& name, QObject* parent = nullptr);

    /// Connects; Welcomed follows once the server has answered the hello.
    void Open();
    /// Sends one frame when welcomed; otherwise it is dropped and the owner
    /// sends what still matters after the next Welcomed.
    void Send(const QJsonObject& message);
    /// Closes the line for good: no reconnect follows.
    void Close();
    /// True between Welcomed and the line dropping.
    bool Ready() const { return ready_; }

signals:
    /// The server answered the hello; `again` after a reconnect.
    void Welcomed(bool again);
    /// A frame of the server's other than `welcome`: its type and the whole object.
    void FrameReceived(const QString& type, const QJsonObject& body);
    /// The server broke the protocol, or could not be reached for too long.
    void Failed(const QString& problem);

private:
    void OnConnected();
    void OnStateChanged(QAbstractSocket::SocketState state);
    void OnText(const QString& text);
    void Fail(const QString& problem);

    QUrl url_;
    QString name_;
    QWebSocket socket_;
    QTimer retry_;
    int failedAttempts_ = 0;
    bool welcomedBefore_ = false;
    bool ready_ = false;
    bool closing_ = false;
};
