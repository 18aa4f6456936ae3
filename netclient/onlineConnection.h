#pragma once
// The window's line to a game server: a WebSocket that says hello with the
// player's name, watches the line with pings so a dead one is noticed within
// seconds, and connects again with a growing, jittered pause when it drops.
// A server that answers badly (frames that do not read, another protocol) ends
// the line for good with one message: retrying would only repeat it.

#include <QElapsedTimer>
#include <QJsonObject>
#include <QObject>
#include <QTimer>
#include <QUrl>
#include <QWebSocket>
#include <optional>

namespace net {

/// Where the line stands.
enum class TConnectionState {
    Closed,       ///< not opened, or closed by its owner
    Connecting,   ///< the first connection is being made
    Ready,        ///< welcomed: messages go out
    Reconnecting, ///< the line dropped; trying again (see ReconnectingSinceMs)
    Failed,       ///< ended for good (see Problem)
};

/// How the line is watched and retried. The defaults suit a person waiting;
/// tests shorten them.
struct TConnectionTiming {
    int pingIntervalMs = 1000;   ///< a ping this often while ready
    int silenceLimitMs = 4000;   ///< nothing heard this long: the line is taken as dead
    int connectLimitMs = 8000;   ///< an attempt not welcomed by then is given up and retried
    int firstRetryMs = 500;      ///< the pause after the first drop, doubled each failed attempt
    int longestRetryMs = 10'000; ///< the longest pause
};

/// One line to one server, reconnected until closed or failed.
class TOnlineConnection : public QObject {
    Q_OBJECT

public:
    explicit TOnlineConnection(QObject* parent = nullptr);
    /// Drops the line without a word to the owner: nothing is retried or signalled.
    ~TOnlineConnection() override;

    /// Replaces the timing; takes effect from the next ping or attempt.
    void SetTiming(const TConnectionTiming& timing) { timing_ = timing; }
    /// Connects to `url` as `name`; Welcomed follows once the server answered the hello.
    void Open(const QUrl& url, const QString& name);
    /// Sends a message when Ready and returns true; otherwise drops it and returns
    /// false (the owner sends what still matters after the next Welcomed).
    bool Send(const QJsonObject& message);
    /// Closes the line for good, no retry; State becomes Closed.
    void Close();
    /// Ends the line for good because the server's answers cannot be trusted;
    /// State becomes Failed and Failed(problem) is emitted once.
    void Fail(const QString& problem);

    /// Where the line stands now.
    TConnectionState State() const { return state_; }
    /// The server's WebSocket URL given to Open.
    QUrl Url() const { return url_; }
    /// The time (MonotonicNowMs) the line dropped,
    /// while Reconnecting; nothing otherwise.
    std::optional<qint64> ReconnectingSinceMs() const;
    /// Why the line failed; empty unless Failed.
    QString Problem() const { return problem_; }
    /// The server's name from its welcome ("veltan-server 0.9").
    QString ServerName() const { return serverName_; }

signals:
    /// The server answered the hello; `again` on every connection after the first.
    void Welcomed(bool again);
    /// A server frame other than `welcome` and `pong`: its type and the whole object.
    void FrameReceived(const QString& type, const QJsonObject& body);
    /// The state changed (Reconnecting: the window shows the time away).
    void StateChanged(net::TConnectionState state);
    /// The line ended for good; the message says why, for the player.
    void Failed(const QString& problem);

private:
    void Attempt();
    void OnConnected();
    void OnDisconnected();
    void OnText(const QString& text);
    void OnTick();
    void SetState(TConnectionState state);
    void ScheduleRetry();
    // Drops the socket without taking it for a drop of the line: the caller decides what follows.
    void AbortQuietly();

    QWebSocket socket_;
    QTimer tick_;         // pings and the watch on silence and slow attempts
    QTimer retry_;        // the pause before the next attempt
    QElapsedTimer heard_; // since the last frame or the attempt began
    QUrl url_;
    QString name_;
    QString problem_;
    QString serverName_;
    TConnectionTiming timing_;
    TConnectionState state_ = TConnectionState::Closed;
    qint64 droppedAtMs_ = 0;
    int failedAttempts_ = 0;
    qint64 pings_ = 0;
    bool welcomedBefore_ = false;
    bool aborting_ = false;
};

} // namespace net
