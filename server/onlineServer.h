#pragma once
// The server: WebSocket connections on one side, the games and their store on
// the other. A message is read and checked, handed to its game, and what the
// game decided is stored before anyone hears of it; only then are the events
// sent to everyone in the game.

#include <QElapsedTimer>
#include <QHash>
#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QSslConfiguration>
#include <QTcpServer>
#include <QTimer>
#include <QWebSocketServer>
#include <memory>
#include <optional>

#include "clientConnection.h"
#include "clientMessage.h"
#include "gameRoom.h"
#include "gameStore.h"
#include "serverLog.h"

/// Where and how the server listens.
struct TListenPlace {
    QHostAddress address = QHostAddress::LocalHost;
    quint16 port = 0;
    std::optional<QSslConfiguration> tls; ///< wss when set
};

class TOnlineServer : public QObject {
    Q_OBJECT
public:
    TOnlineServer(TGameStore& store, const TServerLog& log, QObject* parent = nullptr);
    ~TOnlineServer() override;

    /// Reads the stored games back (a game that was running comes back
    /// paused); returns how many. Call once, before Listen.
    int RestoreGames();
    /// Starts listening; false with the reason in `problem`.
    bool Listen(const TListenPlace& place, QString& problem);
    /// The port listened on (the one chosen when 0 was asked for).
    quint16 Port() const;
    /// Stops taking connections, closes every socket as going away and waits
    /// for the store to commit what it was given. Emits stopped() when done.
    void Stop();

signals:
    void stopped();

private:
    // Connections (onlineServer.cpp).
    void HandOver();
    void Accept();
    void Received(TClientConnection& connection, const QString& text);
    void Gone(TClientConnection& connection);
    void PingAll();
    void Error(TClientConnection& connection, const QString& code, const QString& text,
               const QString& game = {});
    TMs Now() const { return _clock.elapsed(); }

    // Messages (serverMessages*.cpp).
    void Handle(TClientConnection& connection, const net::TClientMessage& message);
    void OnHello(TClientConnection& connection, const net::THello& hello);
    void OnCreate(TClientConnection& connection, const net::TCreate& create);
    void OnJoin(TClientConnection& connection, const net::TJoin& join);
    void OnRejoin(TClientConnection& connection, const net::TRejoin& rejoin);
    void OnLeave(TClientConnection& connection, const QString& game, net::TSeat seat, bool byHost);
    void OnWatch(TClientConnection& connection, const net::TWatch& watch);
    void OnMove(TClientConnection& connection, const net::TMove& move);
    void OnCommand(TClientConnection& connection, const net::TCommand& command);
    void OnChat(TClientConnection& connection, const net::TChat& chat);
    /// Sends a resent move's event again, once what was stored before has gone out.
    void AnswerAgain(TClientConnection& connection, const QString& code, qint64 seq);

    // One request handled, again when the game had to be read back first.
    void Dispatch(QPointer<TClientConnection> connection, const net::TClientMessage& message, int attempt);

    // Games other processes serve too (sharedGames.cpp).
    void StartSharing();
    /// Reads game `code` again from the database, brings this process's
    /// members up to date, then runs `then`.
    void Resync(const QString& code, std::function<void()> then);
    /// Game `code` has events up to `seq` in the database: follow them.
    void FollowStored(const QString& code, qint64 seq);
    void FollowAll();
    void Sweep();
    /// Reads a game this process does not hold yet, then runs `then` (with it or without).
    void LoadThen(const QString& code, std::function<void(bool found)> then);
    /// The request being handled, to run again after its game was read back.
    std::function<void()> Retry() const;

    // Games (gameTraffic.cpp).
    TGameRoom* Room(TClientConnection& connection, const QString& code);
    /// Stores what a game did, then sends its events to everyone in the game
    /// and calls `then` (on a failed commit: a server error to `requester`).
    void Commit(TGameRoom& room, TRoomChange change, QPointer<TClientConnection> requester,
                std::function<void()> then = {});
    void Broadcast(const QString& game, const QJsonObject& message);
    /// A snapshot (or the events after `after`) for one connection, with what only it may see.
    void SendGame(TClientConnection& connection, TGameRoom& room, std::optional<qint64> after);
    void Rearm(TGameRoom& room);
    void Tick(const QString& code);
    void AnnounceWatchers(const QString& game);
    int WatcherCount(const QString& game) const;
    /// Seats and watching of a connection that is gone or taken over.
    void Release(TClientConnection& connection, const QString& game, int seatIndex);
    QString NewCode();

    TGameStore& _store;
    const TServerLog& _log;
    QTcpServer* _listener = nullptr;
    QWebSocketServer* _sockets = nullptr;
    QElapsedTimer _clock;
    QTimer _pings;
    quint64 _connections = 0;
    bool _stopping = false;
    QHash<QString, std::shared_ptr<TGameRoom>> _rooms;
    QHash<QString, qint64> _committed; ///< the last event of a game that is stored
    QHash<QString, QTimer*> _deadlines;
    /// Who is in each game: seat holders, the host and watchers.
    QHash<QString, QSet<TClientConnection*>> _members;
    QHash<QString, QList<QJsonObject>> _chat; ///< the last chat lines of each game
    std::function<void()> _currentRequest;    ///< while a request is handled: runs it again
    int _currentAttempt = 0;
    QHash<QString, std::vector<std::function<void()>>> _resyncing; ///< games being read back, and who waits
    QTimer _follow; ///< reads what other processes stored, in case a notice was missed
    QTimer _sweep;  ///< ends or pauses games whose flag or pause is due, whoever serves them
};
