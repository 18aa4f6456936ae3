// Statements are prepared once and bound for each write: the database parses
// them once, and no value ever becomes part of the SQL text.

#include "storeWriter.h"

#include <QJsonDocument>
#include <QSqlError>
#include <utility>
#include <variant>

#include "storeConnection.h"

namespace {

QString JsonText(const QJsonObject& object)
{
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

QString Run(QSqlQuery& query)
{
    return query.exec() ? QString() : query.lastError().text();
}

// Marks an event whose number someone else stored first; not an SQL error.
const QString ConflictMark = QStringLiteral("\\x01conflict");

} // namespace

TStoreWriter::TStoreWriter(const QSqlDatabase& db)
    : _db(db), _insertGame(db), _insertEvent(db), _upsertSeat(db), _deleteSeat(db), _insertChat(db),
      _advanceEvent(db), _countChat(db), _setDue(db), _notify(db),
      _postgres(db.driverName() == QLatin1String("QPSQL"))
{
    const std::pair<QSqlQuery*, QString> statements[] = {
        {&_insertGame, QStringLiteral("INSERT INTO games (code, settings, host_token_hash, created_at) "
                                      "VALUES (?, ?, ?, ?)")},
        {&_insertEvent, QStringLiteral("INSERT INTO events (game, seq, body) VALUES (?, ?, ?)")},
        {&_upsertSeat, QStringLiteral("INSERT INTO seats (game, seat, name, token_hash) VALUES (?, ?, ?, ?) "
                                      "ON CONFLICT (game, seat) DO UPDATE SET name = excluded.name, "
                                      "token_hash = excluded.token_hash")},
        {&_deleteSeat, QStringLiteral("DELETE FROM seats WHERE game = ? AND seat = ?")},
        {&_insertChat, QStringLiteral("INSERT INTO chat (game, id, body) VALUES (?, ?, ?)")},
        // The compare-and-set that makes event n someone's alone: it locks the
        // game's row, and a second writer finds last_seq moved on.
        {&_advanceEvent, QStringLiteral("UPDATE games SET last_seq = ? WHERE code = ? AND last_seq = ?")},
        {&_countChat,
         QStringLiteral("UPDATE games SET chat_count = chat_count + 1 WHERE code = ? RETURNING chat_count")},
        {&_setDue, QStringLiteral("UPDATE games SET due_at = %1 + ? WHERE code = ?").arg(DatabaseNowSql(db))},
        {&_notify,
         _postgres ? QStringLiteral("SELECT pg_notify('veltan_events', ?)") : QStringLiteral("SELECT ?")},
    };
    for (const auto& [query, sql] : statements) {
        if (!query->prepare(sql)) {
            _problem = query->lastError().text();
            return;
        }
    }
}

bool TStoreWriter::Alive()
{
    return _problem.isEmpty() && Exec(QStringLiteral("SELECT 1"));
}

bool TStoreWriter::Exec(const QString& sql)
{
    QSqlQuery query(_db);
    return query.exec(sql);
}

TStoreWriter::TResult TStoreWriter::Commit(const std::vector<const std::vector<TStoreWrite>*>& batches)
{
    TResult result;
    result.outcomes.assign(batches.size(), TWriteOutcome::Failed);
    if (!_db.transaction()) {
        result.error = _db.lastError().text();
        return result;
    }
    QHash<QString, qint64> lastWritten;
    qint64 written = 0;
    for (std::size_t i = 0; i < batches.size(); ++i) {
        if (batches[i]->empty()) {
            result.outcomes[i] = TWriteOutcome::Committed;
            continue;
        }
        // Each batch on a savepoint of its own: one that cannot stay takes
        // nothing of the others with it.
        if (!Exec(QStringLiteral("SAVEPOINT batch"))) {
            result.error = _db.lastError().text();
            break;
        }
        _conflict = false;
        _lastWritten.clear();
        QString error;
        for (const TStoreWrite& write : *batches[i]) {
            error = std::visit([this](const auto& one) { return Apply(one); }, write);
            if (!error.isEmpty())
                break;
        }
        if (error.isEmpty()) {
            Exec(QStringLiteral("RELEASE SAVEPOINT batch"));
            result.outcomes[i] = TWriteOutcome::Committed;
            written += static_cast<qint64>(batches[i]->size());
            for (auto last = _lastWritten.cbegin(); last != _lastWritten.cend(); ++last)
                lastWritten.insert(last.key(), last.value());
        } else {
            Exec(QStringLiteral("ROLLBACK TO SAVEPOINT batch"));
            Exec(QStringLiteral("RELEASE SAVEPOINT batch"));
            if (_conflict) {
                result.outcomes[i] = TWriteOutcome::Conflict;
            } else {
                result.error =
                    QStringLiteral("a batch of %1 writes was refused: %2").arg(batches[i]->size()).arg(error);
            }
        }
    }
    // Other processes hear of the new events when this commits, not before.
    for (auto last = lastWritten.cbegin(); _postgres && last != lastWritten.cend(); ++last) {
        _notify.bindValue(0, QStringLiteral("%1 %2").arg(last.key()).arg(last.value()));
        Run(_notify);
    }
    if (_db.commit()) {
        result.committed = true;
        result.writes = written;
        return result;
    }
    result.error = QStringLiteral("a transaction of %1 batches was rolled back: %2")
                       .arg(batches.size())
                       .arg(_db.lastError().text());
    _db.rollback();
    for (TWriteOutcome& outcome : result.outcomes)
        if (outcome == TWriteOutcome::Committed)
            outcome = TWriteOutcome::Failed;
    return result;
}

QString TStoreWriter::Apply(const TNewGame& game)
{
    _insertGame.bindValue(0, game.code);
    _insertGame.bindValue(1, JsonText(game.settings));
    _insertGame.bindValue(2, game.hostTokenHash);
    _insertGame.bindValue(3, game.createdAtMs);
    return Run(_insertGame);
}

QString TStoreWriter::Apply(const TNewEvent& event)
{
    _advanceEvent.bindValue(0, event.seq);
    _advanceEvent.bindValue(1, event.game);
    _advanceEvent.bindValue(2, event.seq - 1);
    if (QString error = Run(_advanceEvent); !error.isEmpty())
        return error;
    if (_advanceEvent.numRowsAffected() != 1) {
        _conflict = true;
        return ConflictMark;
    }
    _insertEvent.bindValue(0, event.game);
    _insertEvent.bindValue(1, event.seq);
    _insertEvent.bindValue(2, JsonText(event.body));
    QString error = Run(_insertEvent);
    if (error.isEmpty())
        _lastWritten.insert(event.game, event.seq);
    return error;
}

QString TStoreWriter::Apply(const TSeatHolder& holder)
{
    if (holder.tokenHash.isEmpty()) {
        _deleteSeat.bindValue(0, holder.game);
        _deleteSeat.bindValue(1, holder.seat);
        return Run(_deleteSeat);
    }
    _upsertSeat.bindValue(0, holder.game);
    _upsertSeat.bindValue(1, holder.seat);
    _upsertSeat.bindValue(2, holder.name);
    _upsertSeat.bindValue(3, holder.tokenHash);
    return Run(_upsertSeat);
}

QString TStoreWriter::Apply(const TNewChat& chat)
{
    // The game's own counter numbers its lines, whichever process writes them.
    _countChat.bindValue(0, chat.game);
    if (QString error = Run(_countChat); !error.isEmpty())
        return error;
    if (!_countChat.next())
        return QStringLiteral("there is no game %1 to chat in").arg(chat.game);
    const qint64 id = _countChat.value(0).toLongLong();
    _countChat.finish();
    _insertChat.bindValue(0, chat.game);
    _insertChat.bindValue(1, id);
    _insertChat.bindValue(2, JsonText(chat.body));
    return Run(_insertChat);
}

QString TStoreWriter::Apply(const TGameDue& due)
{
    _setDue.bindValue(0, due.inMs ? QVariant(*due.inMs) : QVariant(QMetaType(QMetaType::LongLong)));
    _setDue.bindValue(1, due.game);
    return Run(_setDue);
}
