#pragma once
// Where the server's games live between runs: an SQLite database (Qt SQL)
// written on a thread of its own, so a slow disk never holds up the sockets.
// Everything a client has been told is here: games, their numbered events,
// seat holders (by the hash of their token) and chat lines.

#include <QByteArray>
#include <QJsonObject>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <variant>
#include <vector>

/// A game as created: its code, settings (protocol JSON), the hash of the
/// host's token and when it was created (ms since the epoch).
struct TNewGame {
    QString code;
    QJsonObject settings;
    QByteArray hostTokenHash;
    qint64 createdAtMs = 0;
};
/// One event of a game, exactly as sent to clients (type, game, seq, kind, ...).
struct TNewEvent {
    QString game;
    qint64 seq = 0;
    QJsonObject body;
};
/// Who holds a seat (0..7, White's first); an empty hash frees it.
struct TSeatHolder {
    QString game;
    int seat = 0;
    QString name;
    QByteArray tokenHash;
};
/// A chat line as sent (type "chat", game, from, name, to, text, at).
struct TNewChat {
    QString game;
    QJsonObject body;
};
using TStoreWrite = std::variant<TNewGame, TNewEvent, TSeatHolder, TNewChat>;

/// A game read back at start, in the order it was written.
struct TStoredGame {
    TNewGame game;
    std::vector<QJsonObject> events; ///< seq 1, 2, ... in order
    std::vector<TSeatHolder> seats;  ///< the seats held now
    std::vector<QJsonObject> chat;   ///< oldest first
};

/// Counts for the benchmarks and the log.
struct TStoreCounts {
    qint64 transactions = 0;
    qint64 writes = 0;
};

/// The database. Writes are applied in the order they are given, grouped into
/// as few transactions as keep up, and each batch's `committed` runs on the
/// thread that created the store once its writes are durable (WAL,
/// synchronous=FULL). A transaction that fails is rolled back and logged,
/// each batch in it reports false, and later batches are written afresh.
class TGameStore : public QObject {
    Q_OBJECT
public:
    /// The database at `path` (created with its schema, or migrated to the
    /// newest schema), or what went wrong. The folder must exist.
    struct TOpening {
        std::unique_ptr<TGameStore> store;
        QString problem;
    };
    static TOpening Open(const QString& path);
    ~TGameStore() override;

    /// Every game with its events, seats and chat, games in the order they
    /// were created. Call before the first Write; after Close there are none.
    std::vector<TStoredGame> LoadGames();
    /// Queues writes; `committed(true)` runs on this object's thread after they
    /// are durable. After Close, `committed(false)` runs at once, inside this call.
    void Write(std::vector<TStoreWrite> writes, std::function<void(bool ok)> committed);
    /// Waits until every queued write is committed (or failed), then stops the
    /// database thread. Called at shutdown; the destructor calls it too.
    void Close();
    /// Transactions committed so far and the writes in them (read on any thread).
    TStoreCounts Counts() const;

private:
    TGameStore();
    struct TWorker;
    std::unique_ptr<TWorker> _worker;
};
