// The store's thread and its queue. Qt SQL lets a connection be used only on
// the thread that made it, so the connection is made, used and closed on the
// worker alone; the store's own thread only queues work and hears back
// through queued calls on the store object.

#include "gameStore.h"

#include <QDebug>
#include <QMetaObject>
#include <QSqlDatabase>
#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <future>
#include <iterator>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

#include "storeReading.h"
#include "storeSchema.h"
#include "storeWriter.h"

namespace {

struct TBatch {
    std::vector<TStoreWrite> writes;
    std::function<void(bool ok)> committed;
};

} // namespace

struct TGameStore::TWorker {
    TWorker(TGameStore* owner, const QString& path)
        : owner(owner), path(path),
          // Unique among the stores alive in this process, as Qt's connection names must be.
          connectionName(QStringLiteral("veltan-game-store-%1").arg(reinterpret_cast<quintptr>(this), 0, 16))
    {
    }

    // The worker thread: opens, reports how that went, then serves until Close.
    void Run(std::promise<QString> opened);
    void Serve(const QSqlDatabase& db, TStoreWriter& writer);
    void Commit(TStoreWriter& writer, std::vector<TBatch> group);

    TGameStore* const owner;
    const QString path;
    const QString connectionName;

    std::mutex mutex;
    std::condition_variable wake;
    // Guarded by mutex.
    std::vector<TBatch> queue;
    std::promise<std::vector<TStoredGame>>* loadRequest = nullptr;
    bool stopping = false;

    std::atomic<qint64> transactions = 0;
    std::atomic<qint64> writes = 0;
    // Started and joined on the store's thread only.
    std::thread thread;
};

void TGameStore::TWorker::Run(std::promise<QString> opened)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
        db.setDatabaseName(path);
        QString problem = PrepareStoreDatabase(db);
        std::optional<TStoreWriter> writer;
        if (problem.isEmpty()) {
            writer.emplace(db);
            if (!writer->Problem().isEmpty())
                problem =
                    QStringLiteral("The game database %1 cannot be written: %2").arg(path, writer->Problem());
        }
        const bool ready = problem.isEmpty();
        opened.set_value(std::move(problem));
        if (ready)
            Serve(db, *writer);
        // Every query goes before the connection is closed and removed.
        writer.reset();
        db.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
}

void TGameStore::TWorker::Serve(const QSqlDatabase& db, TStoreWriter& writer)
{
    for (;;) {
        std::vector<TBatch> group;
        std::promise<std::vector<TStoredGame>>* load = nullptr;
        bool stop = false;
        {
            std::unique_lock lock(mutex);
            wake.wait(lock, [this] { return !queue.empty() || loadRequest || stopping; });
            // Everything queued while the last commit reached the disk goes
            // into one transaction: one wait for the disk for all of them.
            group.swap(queue);
            load = std::exchange(loadRequest, nullptr);
            stop = stopping;
        }
        if (!group.empty())
            Commit(writer, std::move(group));
        if (load)
            load->set_value(ReadStoredGames(db));
        // Write queues nothing once stopping is set, so the group just
        // committed was the last.
        if (stop)
            return;
    }
}

void TGameStore::TWorker::Commit(TStoreWriter& writer, std::vector<TBatch> group)
{
    std::vector<TStoreWrite> all;
    for (TBatch& batch : group)
        std::move(batch.writes.begin(), batch.writes.end(), std::back_inserter(all));
    bool ok = true;
    if (!all.empty()) {
        const QString error = writer.Commit(all);
        ok = error.isEmpty();
        if (ok) {
            transactions += 1;
            writes += static_cast<qint64>(all.size());
        } else {
            qWarning().noquote() << QStringLiteral("Game store: a transaction of %1 writes was rolled back, "
                                                   "its %2 batch(es) reported failed: %3")
                                        .arg(all.size())
                                        .arg(group.size())
                                        .arg(error);
        }
    }
    // Queued calls from one thread to one object arrive in the order posted,
    // so the callbacks run in the order of their batches.
    for (TBatch& batch : group) {
        if (batch.committed)
            QMetaObject::invokeMethod(
                owner, [committed = std::move(batch.committed), ok] { committed(ok); }, Qt::QueuedConnection);
    }
}

TGameStore::TGameStore() = default;

TGameStore::~TGameStore()
{
    Close();
}

TGameStore::TOpening TGameStore::Open(const QString& path)
{
    // The constructor is private, which make_unique cannot reach.
    std::unique_ptr<TGameStore> store(new TGameStore);
    store->_worker = std::make_unique<TWorker>(store.get(), path);
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
    TWorker& worker = *_worker;
    {
        const std::lock_guard lock(worker.mutex);
        if (!worker.stopping) {
            worker.queue.push_back({std::move(writes), std::move(committed)});
            worker.wake.notify_one();
            return;
        }
    }
    // Closed: no thread is left to write, and nothing may wait for one.
    if (committed)
        committed(false);
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
