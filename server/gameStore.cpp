// The store's thread and its queue. Qt SQL lets a connection be used only on
// the thread that made it, so the connection is made, used and closed on the
// worker alone; the store's own thread only queues work and hears back
// through queued calls on the store object.

#include "gameStore.h"

#include <QDebug>
#include <QMetaObject>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <future>
#include <iterator>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

#include "storeConnection.h"
#include "storeReading.h"
#include "storeSchema.h"
#include "storeWriter.h"

namespace {

// A lost database connection is tried again after these waits, doubling.
constexpr int FirstReconnectWaitMs = 100;
constexpr int LastReconnectWaitMs = 2'000;

struct TBatch {
    std::vector<TStoreWrite> writes;
    std::function<void(TWriteOutcome)> done;
};

} // namespace

struct TGameStore::TWorker {
    TWorker(TGameStore* owner, const QString& database)
        : owner(owner), path(database),
          // Unique among the stores alive in this process, as Qt's connection names must be.
          connectionName(QStringLiteral("veltan-game-store-%1").arg(reinterpret_cast<quintptr>(this), 0, 16))
    {
    }

    // The worker thread: opens, reports how that went, then serves until Close.
    void Run(std::promise<QString> opened);
    void Serve(QSqlDatabase& db, std::optional<TStoreWriter>& writer);
    /// Commits the group and reports every batch; false (nothing reported)
    /// when the connection is gone, so the group can be tried again.
    bool Commit(TStoreWriter& writer, std::vector<TBatch>& group);
    /// After a failure: true when the connection is alive or open again.
    bool Reconnect(QSqlDatabase& db, std::optional<TStoreWriter>& writer);
    /// Reports every batch of the group failed (the database stayed away at a stop).
    void FailAll(std::vector<TBatch>& group);

    TGameStore* const owner;
    const QString path;
    const QString connectionName;

    std::mutex mutex;
    std::condition_variable wake;
    // Guarded by mutex.
    std::vector<TBatch> queue;
    std::promise<std::vector<TStoredGame>>* loadRequest = nullptr;
    // Reads asked for while serving, run on this thread between commits.
    std::vector<std::function<void(const QSqlDatabase&)>> jobs;
    bool stopping = false;

    std::atomic<qint64> transactions = 0;
    std::atomic<qint64> writes = 0;
    // Started and joined on the store's thread only.
    std::thread thread;
};

void TGameStore::TWorker::Run(std::promise<QString> opened)
{
    {
        QString problem;
        QSqlDatabase db = AddStoreConnection(connectionName, path, problem);
        if (problem.isEmpty())
            problem = PrepareStoreDatabase(db);
        std::optional<TStoreWriter> writer;
        if (problem.isEmpty()) {
            writer.emplace(db);
            if (!writer->Problem().isEmpty())
                problem = QStringLiteral("The game database %1 cannot be written: %2")
                              .arg(DatabaseForLog(path), writer->Problem());
        }
        const bool ready = problem.isEmpty();
        opened.set_value(std::move(problem));
        if (ready)
            Serve(db, writer);
        // Every query goes before the connection is closed and removed.
        writer.reset();
        db.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
}

void TGameStore::TWorker::Serve(QSqlDatabase& db, std::optional<TStoreWriter>& writer)
{
    for (;;) {
        std::vector<TBatch> group;
        std::vector<std::function<void(const QSqlDatabase&)>> reads;
        std::promise<std::vector<TStoredGame>>* load = nullptr;
        bool stop = false;
        {
            std::unique_lock lock(mutex);
            wake.wait(lock, [this] { return !queue.empty() || !jobs.empty() || loadRequest || stopping; });
            // Everything queued while the last commit reached the disk goes
            // into one transaction: one wait for the disk for all of them.
            group.swap(queue);
            reads.swap(jobs);
            load = std::exchange(loadRequest, nullptr);
            stop = stopping;
        }
        // A connection that died is opened again and the same writes tried
        // once more: their callbacks wait, so nobody hears of a lost write.
        for (int wait = FirstReconnectWaitMs; !group.empty() && !Commit(*writer, group);
             wait = std::min(2 * wait, LastReconnectWaitMs)) {
            if (Reconnect(db, writer))
                continue;
            std::unique_lock lock(mutex);
            if (wake.wait_for(lock, std::chrono::milliseconds(wait), [this] { return stopping; }) &&
                !Reconnect(db, writer)) {
                lock.unlock();
                FailAll(group);
                break;
            }
        }
        // Reads come after the writes queued before them, so they see them.
        for (const auto& read : reads)
            read(db);
        if (load)
            load->set_value(ReadStoredGames(db, std::nullopt));
        // Write queues nothing once stopping is set, so the group just
        // committed was the last.
        if (stop)
            return;
    }
}

bool TGameStore::TWorker::Reconnect(QSqlDatabase& db, std::optional<TStoreWriter>& writer)
{
    {
        QSqlQuery probe(db);
        if (probe.exec(QStringLiteral("SELECT 1")))
            return true;
    }
    writer.reset(); // its prepared statements belong to the old connection
    db.close();
    const bool open = db.open();
    writer.emplace(db);
    if (open && writer->Problem().isEmpty()) {
        qWarning().noquote() << "Game store: the database connection was lost and is open again";
        return true;
    }
    return false;
}

void TGameStore::TWorker::FailAll(std::vector<TBatch>& group)
{
    for (TBatch& batch : group)
        if (batch.done)
            QMetaObject::invokeMethod(
                owner, [done = std::move(batch.done)] { done(TWriteOutcome::Failed); }, Qt::QueuedConnection);
}

bool TGameStore::TWorker::Commit(TStoreWriter& writer, std::vector<TBatch>& group)
{
    std::vector<const std::vector<TStoreWrite>*> batches;
    for (const TBatch& batch : group)
        batches.push_back(&batch.writes);
    const TStoreWriter::TResult result = writer.Commit(batches);
    if (result.committed) {
        transactions += 1;
        writes += result.writes;
    }
    if (!result.error.isEmpty())
        qWarning().noquote() << QStringLiteral("Game store: %1").arg(result.error);
    // A failure with the connection gone is no answer: the writes are tried again.
    if (!result.committed && !writer.Alive())
        return false;
    // Queued calls from one thread to one object arrive in the order posted,
    // so the callbacks run in the order of their batches.
    for (std::size_t i = 0; i < group.size(); ++i) {
        if (group[i].done)
            QMetaObject::invokeMethod(
                owner, [done = std::move(group[i].done), outcome = result.outcomes[i]] { done(outcome); },
                Qt::QueuedConnection);
    }
    return true;
}

TGameStore::TGameStore() = default;

TGameStore::~TGameStore()
{
    Close();
}

TGameStore::TOpening TGameStore::Open(const QString& database)
{
    // The constructor is private, which make_unique cannot reach.
    std::unique_ptr<TGameStore> store(new TGameStore);
    store->_shared = IsPostgresUrl(database);
    store->_database = database;
    store->_worker = std::make_unique<TWorker>(store.get(), database);
    std::promise<QString> opened;
    std::future<QString> problem = opened.get_future();
    TWorker& worker = *store->_worker;
    worker.thread = std::thread(&TWorker::Run, &worker, std::move(opened));
    QString text = problem.get();
    if (!text.isEmpty())
        return {nullptr, std::move(text)}; // the worker has ended; Close joins it
    return {std::move(store), {}};
}

std::vector<TStoredGame> TGameStore::LoadGames()
{
    TWorker& worker = *_worker;
    std::promise<std::vector<TStoredGame>> games;
    std::future<std::vector<TStoredGame>> result = games.get_future();
    {
        const std::lock_guard lock(worker.mutex);
        if (worker.stopping)
            return {};
        worker.loadRequest = &games;
    }
    worker.wake.notify_one();
    return result.get();
}

void TGameStore::Write(std::vector<TStoreWrite> writes, std::function<void(bool ok)> committed)
{
    Append(std::move(writes), [committed = std::move(committed)](TWriteOutcome outcome) {
        if (committed)
            committed(outcome == TWriteOutcome::Committed);
    });
}

void TGameStore::Append(std::vector<TStoreWrite> writes, std::function<void(TWriteOutcome)> done)
{
    TWorker& worker = *_worker;
    {
        const std::lock_guard lock(worker.mutex);
        if (!worker.stopping) {
            worker.queue.push_back({std::move(writes), std::move(done)});
            worker.wake.notify_one();
            return;
        }
    }
    // Closed: no thread is left to write, and nothing may wait for one.
    if (done)
        done(TWriteOutcome::Failed);
}

template <typename TResult>
void TGameStore::Ask(std::function<TResult(const QSqlDatabase&)> read, std::function<void(TResult)> done)
{
    TWorker& worker = *_worker;
    {
        const std::lock_guard lock(worker.mutex);
        if (!worker.stopping) {
            worker.jobs.push_back(
                [this, read = std::move(read), done = std::move(done)](const QSqlDatabase& db) {
                    QMetaObject::invokeMethod(
                        this, [done, result = read(db)] { done(result); }, Qt::QueuedConnection);
                });
            worker.wake.notify_one();
            return;
        }
    }
    done(TResult{});
}

void TGameStore::LoadGame(const QString& code, std::function<void(std::optional<TStoredGame>)> done)
{
    Ask<std::optional<TStoredGame>>(
        [code](const QSqlDatabase& db) -> std::optional<TStoredGame> {
            std::vector<TStoredGame> games = ReadStoredGames(db, code);
            if (games.empty())
                return std::nullopt;
            return std::move(games.front());
        },
        std::move(done));
}

void TGameStore::EventsAfter(const QString& code, qint64 after,
                             std::function<void(std::vector<QJsonObject>)> done)
{
    Ask<std::vector<QJsonObject>>(
        [code, after](const QSqlDatabase& db) { return ReadEventsAfter(db, code, after); }, std::move(done));
}

void TGameStore::LastEvents(std::function<void(QHash<QString, qint64>)> done)
{
    Ask<QHash<QString, qint64>>([](const QSqlDatabase& db) { return ReadLastEvents(db); }, std::move(done));
}

void TGameStore::DueGames(std::function<void(QStringList)> done)
{
    Ask<QStringList>([](const QSqlDatabase& db) { return ReadDueGames(db); }, std::move(done));
}

void TGameStore::Close()
{
    if (!_worker)
        return; // Open did not get as far as making it
    TWorker& worker = *_worker;
    {
        const std::lock_guard lock(worker.mutex);
        worker.stopping = true;
    }
    worker.wake.notify_one();
    if (worker.thread.joinable())
        worker.thread.join();
}

TStoreCounts TGameStore::Counts() const
{
    return {_worker->transactions.load(), _worker->writes.load()};
}
