// Statements are prepared once and bound for each write: the database parses
// them once, and no value ever becomes part of the SQL text.

#include "storeWriter.h"

#include <QJsonDocument>
#include <QSqlError>
#include <utility>
#include <variant>

namespace {

QString JsonText(const QJsonObject& object)
{
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

QString Run(QSqlQuery& query)
{
    return query.exec() ? QString() : query.lastError().text();
}

} // namespace

TStoreWriter::TStoreWriter(const QSqlDatabase& db)
    : _db(db), _insertGame(db), _insertEvent(db), _upsertSeat(db), _deleteSeat(db), _insertChat(db)
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
    };
    for (const auto& [query, sql] : statements) {
        if (!query->prepare(sql)) {
            _problem = query->lastError().text();
            return;
        }
    }
    QSqlQuery last(db);
    last.setForwardOnly(true);
    if (!last.exec(QStringLiteral("SELECT game, MAX(id) FROM chat GROUP BY game"))) {
        _problem = last.lastError().text();
        return;
    }
    while (last.next())
        _lastChatId.insert(last.value(0).toString(), last.value(1).toLongLong());
}

QString TStoreWriter::Commit(const std::vector<TStoreWrite>& writes)
{
    // A rolled-back chat line gives its number back, so numbers stay 1, 2, ...
    const QHash<QString, qint64> lastChatIdBefore = _lastChatId;
    if (!_db.transaction())
        return _db.lastError().text();
    QString error;
    for (const TStoreWrite& write : writes) {
        error = std::visit([this](const auto& one) { return Apply(one); }, write);
        if (!error.isEmpty())
            break;
    }
    if (error.isEmpty() && _db.commit())
        return {};
    if (error.isEmpty())
        error = _db.lastError().text();
    _db.rollback();
    _lastChatId = lastChatIdBefore;
    return error;
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
    _insertEvent.bindValue(0, event.game);
    _insertEvent.bindValue(1, event.seq);
    _insertEvent.bindValue(2, JsonText(event.body));
    return Run(_insertEvent);
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
    const qint64 id = _lastChatId.value(chat.game) + 1;
    _insertChat.bindValue(0, chat.game);
    _insertChat.bindValue(1, id);
    _insertChat.bindValue(2, JsonText(chat.body));
    QString error = Run(_insertChat);
    if (error.isEmpty())
        _lastChatId.insert(chat.game, id);
    return error;
}
