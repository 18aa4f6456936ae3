#include "storeTestSupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSqlQuery>
#include <QTest>

TNewGame Game(const QString& code, qint64 createdAtMs)
{
    const QJsonObject settings{{"arrangement", "standard"}, {"playersPerTeam", 2}, {"movesPerTeamTurn", 2}};
    return {code, settings, QByteArray("\x00\xff host", 7) + code.toUtf8(), createdAtMs};
}

TNewEvent Event(const QString& game, qint64 seq)
{
    return {game, seq, {{"type", "event"}, {"game", game}, {"seq", seq}, {"kind", "left"}, {"seat", 1}}};
}

TNewChat Chat(const QString& game, const QString& text)
{
    return {game, {{"type", "chat"}, {"game", game}, {"from", "white-1"}, {"to", "all"}, {"text", text}}};
}

TStoredGame Stored(const TNewGame& game, const std::vector<TNewEvent>& events,
                   const std::vector<TSeatHolder>& seats, const std::vector<TNewChat>& chat)
{
    TStoredGame stored{game, {}, seats, {}};
    for (const TNewEvent& event : events)
        stored.events.push_back(event.body);
    for (const TNewChat& line : chat)
        stored.chat.push_back(line.body);
    return stored;
}

std::string Described(const std::vector<TStoredGame>& games)
{
    QJsonArray described;
    for (const TStoredGame& stored : games) {
        QJsonArray events, seats, chat;
        for (const QJsonObject& event : stored.events)
            events.append(event);
        for (const TSeatHolder& seat : stored.seats)
            seats.append(QJsonObject{{"game", seat.game},
                                     {"seat", seat.seat},
                                     {"name", seat.name},
                                     {"tokenHash", QString::fromLatin1(seat.tokenHash.toHex())}});
        for (const QJsonObject& line : stored.chat)
            chat.append(line);
        described.append(
            QJsonObject{{"code", stored.game.code},
                        {"settings", stored.game.settings},
                        {"hostTokenHash", QString::fromLatin1(stored.game.hostTokenHash.toHex())},
                        {"createdAtMs", stored.game.createdAtMs},
                        {"events", events},
                        {"seats", seats},
                        {"chat", chat}});
    }
    return QJsonDocument(described).toJson().toStdString();
}

std::vector<bool> WriteAll(TGameStore& store, TBatches batches)
{
    auto reported = std::make_shared<std::vector<bool>>();
    const size_t count = batches.size();
    for (std::vector<TStoreWrite>& batch : batches)
        store.Write(std::move(batch), [reported](bool ok) { reported->push_back(ok); });
    // Bounded: callbacks still missing after it show as a shorter answer.
    static_cast<void>(QTest::qWaitFor([&] { return reported->size() == count; }, 10000));
    return *reported;
}

std::vector<TStoredGame> Reopened(const QString& path)
{
    const TGameStore::TOpening opening = TGameStore::Open(path);
    return opening.store ? opening.store->LoadGames() : std::vector<TStoredGame>{};
}

TSideConnection::TSideConnection(const QString& path)
    : _name(QStringLiteral("side-%1").arg(reinterpret_cast<quintptr>(this), 0, 16))
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), _name);
    db.setDatabaseName(path);
    db.open();
}

TSideConnection::~TSideConnection()
{
    QSqlDatabase::database(_name, false).close();
    QSqlDatabase::removeDatabase(_name);
}

QVariant TSideConnection::Value(const QString& sql, const QVariantList& values) const
{
    QSqlQuery query(QSqlDatabase::database(_name, false));
    query.prepare(sql);
    for (const QVariant& value : values)
        query.addBindValue(value);
    return query.exec() && query.next() ? query.value(0) : QVariant();
}
