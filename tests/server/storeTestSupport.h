#pragma once
// Writes and readings shared by the game store's tests.

#include <QSqlDatabase>
#include <QString>
#include <string>
#include <vector>

#include "gameStore.h"

using TBatches = std::vector<std::vector<TStoreWrite>>;

/// A game created at `createdAtMs`, with a host hash of bytes a text column would mangle.
TNewGame Game(const QString& code, qint64 createdAtMs = 1000);
/// Event `seq` of a game, as the server sends it.
TNewEvent Event(const QString& game, qint64 seq);
/// A chat line to everyone.
TNewChat Chat(const QString& game, const QString& text);
/// A game as LoadGames should give it back.
TStoredGame Stored(const TNewGame& game, const std::vector<TNewEvent>& events,
                   const std::vector<TSeatHolder>& seats, const std::vector<TNewChat>& chat);

/// Games as indented JSON, so that a mismatch shows where it is.
std::string Described(const std::vector<TStoredGame>& games);
/// Writes each batch in turn and waits (at most ten seconds) for every
/// callback; what each reported, in the order they ran.
std::vector<bool> WriteAll(TGameStore& store, TBatches batches);
/// What a fresh store on `path` loads (empty when it does not open).
std::vector<TStoredGame> Reopened(const QString& path);

/// A second connection to a store's file, on the test's thread, to look at or
/// alter the file behind the store's back.
class TSideConnection {
public:
    explicit TSideConnection(const QString& path);
    ~TSideConnection();
    TSideConnection(const TSideConnection&) = delete;
    TSideConnection& operator=(const TSideConnection&) = delete;
    /// Runs `sql` with `values` bound; the first column of its first row.
    QVariant Value(const QString& sql, const QVariantList& values = {}) const;

private:
    const QString _name;
};
