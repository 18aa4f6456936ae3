// Migrations are plain SQL that SQLite and PostgreSQL both accept; the one
// type they spell differently (bytes) is filled in per driver, so the same
// migrations serve both. Each migration runs in a transaction of its own, so a
// crash half-way leaves the database at the previous version, not between two.

#include "storeSchema.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <vector>

namespace {

// How long a statement waits for another connection's lock before failing.
constexpr int BusyTimeoutMs = 5000;

struct TMigration {
    int version;
    QStringList statements; // "%bytes" stands for the driver's byte-string type
};

std::vector<TMigration> Migrations()
{
    const QString seatCheck = QStringLiteral("CHECK (seat >= 0 AND seat < %1)").arg(StoreSeatCount);
    return {
        {1,
         {
             QStringLiteral("CREATE TABLE games (code TEXT NOT NULL PRIMARY KEY, settings TEXT NOT NULL, "
                            "host_token_hash %bytes, created_at BIGINT NOT NULL)"),
             QStringLiteral(
                 "CREATE TABLE events (game TEXT NOT NULL REFERENCES games (code) ON DELETE CASCADE, "
                 "seq BIGINT NOT NULL CHECK (seq > 0), body TEXT NOT NULL, PRIMARY KEY (game, seq))"),
             QStringLiteral(
                 "CREATE TABLE seats (game TEXT NOT NULL REFERENCES games (code) ON DELETE CASCADE, "
                 "seat INTEGER NOT NULL %1, name TEXT, token_hash %bytes NOT NULL, "
                 "PRIMARY KEY (game, seat))")
                 .arg(seatCheck),
             QStringLiteral(
                 "CREATE TABLE chat (game TEXT NOT NULL REFERENCES games (code) ON DELETE CASCADE, "
                 "id BIGINT NOT NULL CHECK (id > 0), body TEXT NOT NULL, PRIMARY KEY (game, id))"),
         }},
        // Several processes may serve one database: a game's row holds its last
        // event, so appending event n is a compare-and-set on that row (which
        // locks it), its chat counter, and when its next flag or pause falls due
        // on the database's clock, so any process can sweep for it.
        {2,
         {
             QStringLiteral("ALTER TABLE games ADD COLUMN last_seq BIGINT NOT NULL DEFAULT 0"),
             QStringLiteral("ALTER TABLE games ADD COLUMN chat_count BIGINT NOT NULL DEFAULT 0"),
             QStringLiteral("ALTER TABLE games ADD COLUMN due_at BIGINT"),
             QStringLiteral("UPDATE games SET last_seq = COALESCE((SELECT MAX(seq) FROM events WHERE "
                            "events.game = games.code), 0), chat_count = COALESCE((SELECT MAX(id) FROM chat "
                            "WHERE chat.game = games.code), 0)"),
             QStringLiteral("CREATE INDEX games_due ON games (due_at)"),
         }},
    };
}

bool IsSqlite(const QSqlDatabase& db)
{
    return db.driverName() == QLatin1String("QSQLITE");
}

// The only type name the two databases do not share.
QString BytesType(const QSqlDatabase& db)
{
    return IsSqlite(db) ? QStringLiteral("BLOB") : QStringLiteral("BYTEA");
}

QString Failure(const QSqlDatabase& db, const QString& error)
{
    return QStringLiteral("The game database %1 cannot be used: %2").arg(db.databaseName(), error);
}

// Durability before speed: every commit reaches the disk before its clients
// hear of it (synchronous=FULL), and WAL lets a commit append instead of
// rewriting pages. Foreign keys are off in SQLite unless asked for.
QString SetUpSqlite(QSqlDatabase& db)
{
    QSqlQuery query(db);
    const QString settings[] = {
        QStringLiteral("PRAGMA busy_timeout = %1").arg(BusyTimeoutMs),
        QStringLiteral("PRAGMA journal_mode = WAL"),
        QStringLiteral("PRAGMA synchronous = FULL"),
        QStringLiteral("PRAGMA foreign_keys = ON"),
    };
    for (const QString& setting : settings) {
        if (!query.exec(setting))
            return Failure(db, query.lastError().text());
        // journal_mode answers with the mode it ended up in, which is not WAL
        // on file systems without shared memory.
        if (setting.contains(QLatin1String("journal_mode")) &&
            (!query.next() ||
             query.value(0).toString().compare(QLatin1String("wal"), Qt::CaseInsensitive) != 0))
            return Failure(db, QStringLiteral("it cannot be switched to write-ahead logging"));
        query.finish();
    }
    return {};
}

// A session lock of PostgreSQL's, held while the schema is checked and migrated.
class TMigrationTurn {
public:
    explicit TMigrationTurn(QSqlDatabase& db) : _db(db)
    {
        if (!IsSqlite(_db))
            QSqlQuery(_db).exec(QStringLiteral("SELECT pg_advisory_lock(%1)").arg(MigrationLockKey));
    }
    ~TMigrationTurn()
    {
        if (!IsSqlite(_db))
            QSqlQuery(_db).exec(QStringLiteral("SELECT pg_advisory_unlock(%1)").arg(MigrationLockKey));
    }
    TMigrationTurn(const TMigrationTurn&) = delete;
    TMigrationTurn& operator=(const TMigrationTurn&) = delete;

private:
    // Any number the game's processes agree on: the default port.
    static constexpr int MigrationLockKey = 7490;
    QSqlDatabase& _db;
};

QString Migrate(QSqlDatabase& db, const TMigration& migration)
{
    if (!db.transaction())
        return Failure(db, db.lastError().text());
    QSqlQuery query(db);
    QString error;
    for (const QString& statement : migration.statements) {
        if (!query.exec(QString(statement).replace(QLatin1String("%bytes"), BytesType(db)))) {
            error = query.lastError().text();
            break;
        }
    }
    if (error.isEmpty()) {
        query.prepare(QStringLiteral("INSERT INTO schema_version (version) VALUES (?)"));
        query.addBindValue(migration.version);
        if (!query.exec())
            error = query.lastError().text();
    }
    query.finish();
    if (error.isEmpty() && db.commit())
        return {};
    if (error.isEmpty())
        error = db.lastError().text();
    db.rollback();
    return Failure(db, QStringLiteral("migration to schema %1 failed: %2").arg(migration.version).arg(error));
}

} // namespace

QString PrepareStoreDatabase(QSqlDatabase& db)
{
    if (!db.open())
        return Failure(db, db.lastError().text());
    if (IsSqlite(db)) {
        if (QString problem = SetUpSqlite(db); !problem.isEmpty())
            return problem;
    }
    // Processes starting together on one PostgreSQL database take turns at
    // the migrations; the first brings the schema up to date, the others find it so.
    const TMigrationTurn turn(db);
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral(
            "CREATE TABLE IF NOT EXISTS schema_version (version INTEGER NOT NULL PRIMARY KEY)")) ||
        !query.exec(QStringLiteral("SELECT MAX(version) FROM schema_version")) || !query.next())
        return Failure(db, query.lastError().text());
    const int current = query.value(0).toInt(); // NULL (no migration yet) reads as 0
    query.finish();
    if (current > StoreSchemaVersion)
        return Failure(
            db, QStringLiteral("it was written by a newer veltan-server (schema %1; this one knows "
                               "schemas up to %2). Run that version, or give this one another database.")
                    .arg(current)
                    .arg(StoreSchemaVersion));
    for (const TMigration& migration : Migrations()) {
        if (migration.version <= current)
            continue;
        if (QString problem = Migrate(db, migration); !problem.isEmpty())
            return problem;
    }
    return {};
}
