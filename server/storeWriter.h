#pragma once
// Applies the store's writes to the database in transactions. Lives on the
// store's database thread, like the connection it writes through.

#include <QHash>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <vector>

#include "gameStore.h"

/// Writes through an open connection at the newest schema.
class TStoreWriter {
public:
    /// Prepares the statements and reads the last chat number of each game.
    explicit TStoreWriter(const QSqlDatabase& db);
    TStoreWriter(const TStoreWriter&) = delete;
    TStoreWriter& operator=(const TStoreWriter&) = delete;

    /// True when the connection still answers (a failure was the data's, not the line's).
    bool Alive();
    /// Why this writer cannot write; empty when it can.
    const QString& Problem() const { return _problem; }
    /// How a group of batches ended: one outcome a batch, whether the
    /// transaction was committed, the writes kept and what went wrong.
    struct TResult {
        std::vector<TWriteOutcome> outcomes;
        bool committed = false;
        qint64 writes = 0;
        QString error; ///< empty when nothing failed
    };
    /// Applies the batches in order in one transaction, each within a savepoint
    /// of its own: a batch whose event number is taken, or that the database
    /// refuses, leaves nothing behind and the others stay.
    TResult Commit(const std::vector<const std::vector<TStoreWrite>*>& batches);

private:
    QString Apply(const TNewGame& game);
    QString Apply(const TNewEvent& event);
    QString Apply(const TSeatHolder& holder);
    QString Apply(const TNewChat& chat);
    QString Apply(const TGameDue& due);
    /// Runs one of the fixed statements that need no values.
    bool Exec(const QString& sql);

    QSqlDatabase _db;
    QSqlQuery _insertGame;
    QSqlQuery _insertEvent;
    QSqlQuery _upsertSeat;
    QSqlQuery _deleteSeat;
    QSqlQuery _insertChat;
    QSqlQuery _advanceEvent;
    QSqlQuery _countChat;
    QSqlQuery _setDue;
    QSqlQuery _notify;
    bool _postgres = false;
    // Set by Apply(TNewEvent) when another writer had stored the event's number.
    bool _conflict = false;
    // The last event of each game in the batch being written, for the wake-up
    // other processes get on commit.
    QHash<QString, qint64> _lastWritten;
    QString _problem;
};
