#include "keptOnlineGame.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include "messageFields.h"
#include "onlineBoard.h"
#include "protocolLimits.h"
#include "veltanbrdKernel.h"
#include "wholeNumber.h"

namespace net {

namespace {

constexpr char Format[] = "veltan-online-game";
constexpr int Version = 1;
// A game of 4,096 moves is some 200 kilobytes; anything far larger is no kept game.
constexpr qint64 MostFileBytes = 8 * 1024 * 1024;
constexpr qsizetype MostMoves = 4096;
constexpr int MostTokenLength = 128;
constexpr int MostUrlLength = 2048;

const QStringList StateNames{QStringLiteral("waiting"), QStringLiteral("running"), QStringLiteral("paused"),
                             QStringLiteral("ended")};

QJsonObject MoveJson(const TProtocolMove& move)
{
    QJsonObject object{
        {QStringLiteral("from"), QString::fromStdString(TVeltanBrdKernel::SquareToString(move.from))},
        {QStringLiteral("to"), QString::fromStdString(TVeltanBrdKernel::SquareToString(move.to))}};
    if (move.promotion != NoPromotion)
        object.insert(QStringLiteral("promotion"), QString(QLatin1Char(move.promotion)));
    return object;
}

QJsonObject GameJson(const TKeptOnlineGame& game)
{
    QJsonArray seats;
    for (const TKeptSeat& seat : game.seats)
        seats.append(QJsonObject{{QStringLiteral("seat"), SeatName(seat.seat)},
                                 {QStringLiteral("token"), seat.token}});
    QJsonArray moves;
    for (const TPlayedMove& played : game.moves) {
        QJsonObject move = MoveJson(played.move);
        move.insert(QStringLiteral("clock"), played.clockMs);
        moves.append(move);
    }
    QJsonArray pending;
    for (const TPendingMove& waiting : game.pending) {
        QJsonObject move = MoveJson(waiting.move);
        move.insert(QStringLiteral("id"), waiting.id);
        move.insert(QStringLiteral("seat"), SeatName(waiting.seat));
        pending.append(move);
    }
    return {
        {QStringLiteral("format"), QLatin1String(Format)},
        {QStringLiteral("version"), Version},
        {QStringLiteral("server"), game.server.toString()},
        {QStringLiteral("game"), game.code},
        {QStringLiteral("name"), game.name},
        {QStringLiteral("hostToken"), game.hostToken.isEmpty() ? QJsonValue() : QJsonValue(game.hostToken)},
        {QStringLiteral("seats"), seats},
        {QStringLiteral("watching"), game.watching},
        {QStringLiteral("seq"), game.seq},
        {QStringLiteral("settings"), SettingsJson(game.settings)},
        {QStringLiteral("moves"), moves},
        {QStringLiteral("pending"), pending},
        {QStringLiteral("state"), StateNames.at(static_cast<int>(game.state))},
        {QStringLiteral("ending"), game.endingMessage}};
}

// The list at `key`, each entry an object read by `read`; the first problem, or nothing.
template <typename TRead>
QString ReadList(const QJsonObject& object, const QString& key, qsizetype most, TRead read)
{
    const QJsonValue value = object.value(key);
    if (!value.isArray() || value.toArray().size() > most)
        return QStringLiteral("`%1` is not a list of at most %2 entries").arg(key).arg(most);
    int number = 0;
    for (const QJsonValue& entry : value.toArray()) {
        TMessageFields fields(entry.toObject(), QStringLiteral("%1 %2: ").arg(key).arg(++number));
        if (!entry.isObject())
            fields.Fail(QStringLiteral("not an object"));
        read(fields);
        if (fields.Failed())
            return fields.Problem();
    }
    return {};
}

TProtocolMove ReadMove(TMessageFields& fields)
{
    TProtocolMove move;
    move.from = fields.BoardSquare(u"from");
    move.to = fields.BoardSquare(u"to");
    move.promotion = fields.Promotion(u"promotion");
    return move;
}

QString ReadServer(const QJsonObject& object, QUrl& server)
{
    const QString text = object.value(QStringLiteral("server")).toString();
    server = QUrl(text, QUrl::StrictMode);
    if (text.isEmpty() || text.size() > MostUrlLength || !server.isValid() || server.host().isEmpty() ||
        (server.scheme() != u"ws" && server.scheme() != u"wss"))
        return QStringLiteral("`server` is not a game server's ws:// or wss:// address");
    return {};
}

TKeptReading ReadGame(const QJsonObject& object)
{
    TKeptOnlineGame game;
    TMessageFields fields(object, QString());
    if (object.value(QStringLiteral("format")).toString() != QLatin1String(Format))
        return {std::nullopt, QStringLiteral("it is not a kept online game")};
    if (fields.WholeNumber(u"version", Version, Version) != Version)
        return {std::nullopt, QStringLiteral("it was written by another version of the program")};
    if (const QString problem = ReadServer(object, game.server); !problem.isEmpty())
        return {std::nullopt, problem};
    game.code = fields.GameCode(u"game");
    game.name = fields.Words(u"name", MaxNameLength, false);
    if (fields.OptionalText(u"hostToken"))
        game.hostToken = fields.PrintableAscii(u"hostToken", MostTokenLength);
    game.watching = object.value(QStringLiteral("watching")).toBool();
    game.seq = fields.WholeNumber(u"seq", 0, MaxExactWholeNumber);
    const int state = fields.Choice(u"state", StateNames);
    game.state = static_cast<TGameState>(std::max(0, state));
    game.endingMessage = fields.OptionalText(u"ending").value_or(QString()).left(MaxChatLength);
    const TSettingsReading settings = ReadSettings(object.value(QStringLiteral("settings")));
    if (fields.Failed())
        return {std::nullopt, fields.Problem()};
    if (!settings.settings)
        return {std::nullopt, settings.problem};
    game.settings = *settings.settings;

    QString problem = ReadList(object, QStringLiteral("seats"), MaxSeats, [&](TMessageFields& seat) {
        game.seats.append({seat.Seat(u"seat"), seat.PrintableAscii(u"token", MostTokenLength)});
    });
    if (problem.isEmpty())
        problem = ReadList(object, QStringLiteral("moves"), MostMoves, [&](TMessageFields& move) {
            const TProtocolMove read = ReadMove(move);
            game.moves.push_back({read, move.WholeNumber(u"clock", 0, MaxExactWholeNumber)});
        });
    if (problem.isEmpty())
        problem = ReadList(object, QStringLiteral("pending"), MostMoves, [&](TMessageFields& move) {
            TPendingMove waiting;
            waiting.id = move.PrintableAscii(u"id", MaxMoveIdLength);
            waiting.seat = move.Seat(u"seat");
            waiting.move = ReadMove(move);
            game.pending.push_back(waiting);
        });
    if (!problem.isEmpty())
        return {std::nullopt, problem};
    if (game.hostToken.isEmpty() && game.seats.isEmpty() && !game.watching)
        return {std::nullopt, QStringLiteral("it holds no key to the game and does not watch it")};
    // The moves must make a game: a file changed by hand or cut short must not
    // become a position the rules never allowed.
    TVeltanBrdKernel board;
    problem = StartOnlineBoard(board, game.settings);
    if (problem.isEmpty())
        problem = ReplayMoves(board, game.moves);
    if (!problem.isEmpty())
        return {std::nullopt, problem};
    return {game, {}};
}

} // namespace

QString WriteKeptOnlineGame(const QString& path, const TKeptOnlineGame& game)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    // Before a byte is written: the tokens are keys to the seats.
    if (!file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        return QStringLiteral("cannot make %1 private: %2").arg(path, file.errorString());
    file.write(QJsonDocument(GameJson(game)).toJson(QJsonDocument::Indented));
    if (!file.commit())
        return QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    return {};
}

TKeptReading ReadKeptOnlineGame(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt, QStringLiteral("cannot read %1: %2").arg(path, file.errorString())};
    const QByteArray bytes = file.read(MostFileBytes + 1);
    if (bytes.size() > MostFileBytes)
        return {std::nullopt, QStringLiteral("%1 is too large for a kept game").arg(path)};
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (!document.isObject())
        return {std::nullopt,
                QStringLiteral("%1 is damaged: %2")
                    .arg(path, error.error == QJsonParseError::NoError ? QStringLiteral("not a JSON object")
                                                                       : error.errorString())};
    TKeptReading reading = ReadGame(document.object());
    if (!reading.game)
        reading.problem =
            QStringLiteral("%1 is no kept game that can be resumed: %2").arg(path, reading.problem);
    return reading;
}

} // namespace net
