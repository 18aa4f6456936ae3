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

    /// Why this writer cannot write; empty when it can.
    const QString& Problem() const { return _problem; }
    /// Applies `writes` in order in one transaction: all of them stay, or none
    /// does and the database's error text is returned.
    QString Commit(const std::vector<TStoreWrite>& writes);

private:
    QString Apply(const TNewGame& game);
    QString Apply(const TNewEvent& event);
    QString Apply(const TSeatHolder& holder);
    QString Apply(const TNewChat& chat);

    QSqlDatabase _db;
    QSqlQuery _insertGame;
    QSqlQuery _insertEvent;
    QSqlQuery _upsertSeat;
    QSqlQuery _deleteSeat;
    QSqlQuery _insertChat;
    // Chat lines are numbered per game in the order written; the last number
    // given, so a line never has to ask the database for it.
    QHash<QString, qint64> _lastChatId;
    QString _problem;
};
