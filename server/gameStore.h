#pragma once
// Where the server's games live between runs: an SQLite database (Qt SQL)
// written on a thread of its own, so a slow disk never holds up the sockets.
// Everything a client has been told is here: games, their numbered events,
// seat holders (by the hash of their token) and chat lines.

#include <QByteArray>
#include <QHash>
#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
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
/// When a game next has something due (a flag, a pause), `inMs` from the
/// database's clock at commit; nothing: nothing is due.
struct TGameDue {
    QString game;
    std::optional<qint64> inMs;
};
using TStoreWrite = std::variant<TNewGame, TNewEvent, TSeatHolder, TNewChat, TGameDue>;

/// How a batch of writes ended.
enum class TWriteOutcome {
    Committed,
    Conflict, ///< an event's number was taken meanwhile (by another process): nothing of the batch was kept
    Failed,   ///< the database refused it: nothing of the batch was kept
};

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
class QSqlDatabase;

class TGameStore : public QObject {
    Q_OBJECT
public:
    /// The database `database` (an SQLite file, created with its schema or
    /// migrated to the newest; or a postgresql:// URL), or what went wrong.
    /// An SQLite file's folder must exist.
    struct TOpening {
        std::unique_ptr<TGameStore> store;
        QString problem;
    };
    static TOpening Open(const QString& database);
    ~TGameStore() override;

    /// Every game with its events, seats and chat, games in the order they
    /// were created. Call before the first Write; after Close there are none.
    std::vector<TStoredGame> LoadGames();
    /// Queues writes; `committed(true)` runs on this object's thread after they
    /// are durable. After Close, `committed(false)` runs at once, inside this call.
    void Write(std::vector<TStoreWrite> writes, std::function<void(bool ok)> committed);
    /// As Write, telling a conflict apart: events are appended only when each
    /// follows the last one stored for its game, whoever stored it, so two
    /// processes can never both append event n.
    void Append(std::vector<TStoreWrite> writes, std::function<void(TWriteOutcome)> done);
    /// One game as stored now (nothing when there is none), on this object's thread.
    void LoadGame(const QString& code, std::function<void(std::optional<TStoredGame>)> done);
    /// The stored events of a game after `after`, in order.
    void EventsAfter(const QString& code, qint64 after, std::function<void(std::vector<QJsonObject>)> done);
    /// Every game's last event number.
    void LastEvents(std::function<void(QHash<QString, qint64>)> done);
    /// The games whose flag or pause is due by the database's clock.
    void DueGames(std::function<void(QStringList)> done);
    /// True when other processes may write the same database (PostgreSQL).
    bool Shared() const { return _shared; }
    /// The database as given to Open (a file, or a URL).
    const QString& Database() const { return _database; }
    /// Waits until every queued write is committed (or failed), then stops the
    /// database thread. Called at shutdown; the destructor calls it too.
    void Close();
    /// Transactions committed so far and the writes in them (read on any thread).
    TStoreCounts Counts() const;

private:
    TGameStore();
    /// Runs `read` on the database thread after the writes queued before it,
    /// then `done` with its result on this object's thread.
    template <typename TResult>
    void Ask(std::function<TResult(const QSqlDatabase&)> read, std::function<void(TResult)> done);
    struct TWorker;
    std::unique_ptr<TWorker> _worker;
    bool _shared = false;
    QString _database;
};
