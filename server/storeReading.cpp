// The rows come from a file anyone could have edited, so each one is checked
// before the server builds on it: a broken row is skipped with a line in the
// log rather than ending the server's start.

#include "storeReading.h"

#include <QDebug>
#include <QHash>
#include <QJsonDocument>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <optional>

#include "storeConnection.h"
#include "storeSchema.h"

namespace {

std::optional<QJsonObject> JsonObject(const QVariant& text)
{
    const QJsonDocument document = QJsonDocument::fromJson(text.toString().toUtf8());
    if (!document.isObject())
        return std::nullopt;
    return document.object();
}

// Runs `sql` with its values bound and hands each row to `row`; a failed
// query is logged and reads as no rows.
template <typename TRow>
void EachRow(const QSqlDatabase& db, const QString& sql, const QVariantList& values, TRow row)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    bool ok = query.prepare(sql);
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!ok || !query.exec()) {
        qWarning().noquote() << "Game store: reading failed:" << query.lastError().text();
        return;
    }
    while (query.next())
        row(query);
}

void Skipped(const QString& table, const QString& game, qint64 key)
{
    qWarning().noquote() << QStringLiteral("Game store: %1 row %2 of game %3 cannot be read and is left out")
                                .arg(table)
                                .arg(key)
                                .arg(game);
}

} // namespace

std::vector<TStoredGame> ReadStoredGames(const QSqlDatabase& db, const std::optional<QString>& only)
{
    // One game, or all: the same queries with or without a bound code.
    const QString whereGame = only ? QStringLiteral(" WHERE code = ?") : QString();
    const QString whereRows = only ? QStringLiteral(" WHERE game = ?") : QString();
    const QVariantList values = only ? QVariantList{*only} : QVariantList{};
    std::vector<TStoredGame> games;
    QHash<QString, size_t> indexOf;
    EachRow(db,
            QStringLiteral("SELECT code, settings, host_token_hash, created_at FROM games%1 "
                           "ORDER BY created_at, code")
                .arg(whereGame),
            values, [&](const QSqlQuery& row) {
                const QString code = row.value(0).toString();
                const std::optional<QJsonObject> settings = JsonObject(row.value(1));
                if (!settings) {
                    qWarning().noquote() << "Game store: the settings of game" << code
                                         << "cannot be read; the game is left out";
                    return;
                }
                indexOf.insert(code, games.size());
                games.push_back(
                    {{code, *settings, row.value(2).toByteArray(), row.value(3).toLongLong()}, {}, {}, {}});
            });
    // Rows of a game left out above have no index and are passed over.
    const auto gameOf = [&](const QSqlQuery& row) -> TStoredGame* {
        const auto found = indexOf.constFind(row.value(0).toString());
        return found == indexOf.cend() ? nullptr : &games[*found];
    };
    EachRow(db, QStringLiteral("SELECT game, seq, body FROM events%1 ORDER BY game, seq").arg(whereRows),
            values, [&](const QSqlQuery& row) {
                TStoredGame* const game = gameOf(row);
                const std::optional<QJsonObject> body = JsonObject(row.value(2));
                if (game && body)
                    game->events.push_back(*body);
                else if (game)
                    Skipped(QStringLiteral("event"), game->game.code, row.value(1).toLongLong());
            });
    EachRow(
        db,
        QStringLiteral("SELECT game, seat, name, token_hash FROM seats%1 ORDER BY game, seat").arg(whereRows),
        values, [&](const QSqlQuery& row) {
            TStoredGame* const game = gameOf(row);
            const int seat = row.value(1).toInt();
            const QByteArray tokenHash = row.value(3).toByteArray();
            if (game && seat >= 0 && seat < StoreSeatCount && !tokenHash.isEmpty())
                game->seats.push_back({game->game.code, seat, row.value(2).toString(), tokenHash});
            else if (game)
                Skipped(QStringLiteral("seat"), game->game.code, seat);
        });
    EachRow(db, QStringLiteral("SELECT game, id, body FROM chat%1 ORDER BY game, id").arg(whereRows), values,
            [&](const QSqlQuery& row) {
                TStoredGame* const game = gameOf(row);
                const std::optional<QJsonObject> body = JsonObject(row.value(2));
                if (game && body)
                    game->chat.push_back(*body);
                else if (game)
                    Skipped(QStringLiteral("chat"), game->game.code, row.value(1).toLongLong());
            });
    return games;
}

std::vector<QJsonObject> ReadEventsAfter(const QSqlDatabase& db, const QString& code, qint64 after)
{
    std::vector<QJsonObject> events;
    EachRow(db, QStringLiteral("SELECT seq, body FROM events WHERE game = ? AND seq > ? ORDER BY seq"),
            {code, after}, [&](const QSqlQuery& row) {
                const std::optional<QJsonObject> body = JsonObject(row.value(1));
                if (body)
                    events.push_back(*body);
                else
                    Skipped(QStringLiteral("event"), code, row.value(0).toLongLong());
            });
    return events;
}

QHash<QString, qint64> ReadLastEvents(const QSqlDatabase& db)
{
    QHash<QString, qint64> last;
    EachRow(db, QStringLiteral("SELECT code, last_seq FROM games"), {},
            [&](const QSqlQuery& row) { last.insert(row.value(0).toString(), row.value(1).toLongLong()); });
    return last;
}

QStringList ReadDueGames(const QSqlDatabase& db)
{
    QStringList due;
    EachRow(db, QStringLiteral("SELECT code FROM games WHERE due_at <= %1").arg(DatabaseNowSql(db)), {},
            [&](const QSqlQuery& row) { due.append(row.value(0).toString()); });
    return due;
}
