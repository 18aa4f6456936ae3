#include "serverFrames.h"

#include <QJsonArray>

#include "messageFields.h"
#include "protocolLimits.h"
#include "wholeNumber.h"

namespace net {

namespace {

// The longest game the kernel's history holds; a snapshot with more moves is no game of ours.
constexpr qsizetype MostMoves = 4096;
// The server sends the last 50 chat lines; a few more are tolerated, a flood is not.
constexpr qsizetype MostChatLines = 200;
constexpr qint64 MostWatchers = 1'000'000;

const QStringList TeamNames{QStringLiteral("white"), QStringLiteral("black")};
const QStringList StateNames{QStringLiteral("waiting"), QStringLiteral("running"), QStringLiteral("paused"),
                             QStringLiteral("ended")};
const QStringList ChatAudiences{QStringLiteral("all"), QStringLiteral("team")};
const QStringList Results{QStringLiteral("white"), QStringLiteral("black"), QStringLiteral("draw"),
                          QStringLiteral("aborted")};

template <typename T> TFrameReading<T> Problem(const QString& problem)
{
    return {std::nullopt, problem};
}

// A team or null ("running", "drawOffer"); absent counts as null.
std::optional<bool> OptionalTeam(TMessageFields& fields, QStringView path)
{
    const std::optional<QString> text = fields.OptionalText(path);
    if (!text || fields.Failed())
        return std::nullopt;
    const std::optional<bool> team = ReadTeam(*text);
    if (!team)
        fields.Fail(QStringLiteral("`%1` must be white, black or null").arg(path));
    return team;
}

bool Flag(TMessageFields& fields, const QJsonObject& object, const QString& key)
{
    const QJsonValue value = object.value(key);
    if (!value.isBool())
        fields.Fail(QStringLiteral("`%1` must be true or false").arg(key));
    return value.toBool();
}

TClocks Clocks(TMessageFields& fields, const QJsonObject& object, qint64 nowMs)
{
    TClocks clocks;
    clocks.whiteMs = fields.WholeNumber(u"clocks.white", 0, MaxExactWholeNumber);
    clocks.blackMs = fields.WholeNumber(u"clocks.black", 0, MaxExactWholeNumber);
    clocks.runningWhite =
        object.contains(QStringLiteral("running")) ? OptionalTeam(fields, u"running") : std::nullopt;
    clocks.receivedAtMs = nowMs;
    return clocks;
}

// A seat's holder's name: empty for a free seat, otherwise as `hello` allows.
QString SeatHolderName(TMessageFields& fields)
{
    const QString name = fields.OptionalText(u"name").value_or(QString());
    if (name.isEmpty() || fields.Failed())
        return name;
    return fields.Words(u"name", MaxNameLength, false);
}

std::optional<TSeat> OptionalSeat(TMessageFields& fields, QStringView path)
{
    return fields.OptionalSeat(path);
}

TAsked Asked(TMessageFields& fields, const QJsonValue& value, const QString& what)
{
    TAsked asked;
    if (value.isUndefined() || value.isNull())
        return asked;
    if (!value.isArray()) {
        fields.Fail(QStringLiteral("`asked.%1` must be a list of teams").arg(what));
        return asked;
    }
    for (const QJsonValue& team : value.toArray()) {
        const std::optional<bool> white = ReadTeam(team.toString());
        if (!white) {
            fields.Fail(QStringLiteral("`asked.%1` holds something other than a team").arg(what));
            return asked;
        }
        (*white ? asked.white : asked.black) = true;
    }
    return asked;
}

QString ReadSeats(const QJsonValue& value, const TOnlineSettings& settings, std::vector<TSeatView>& seats)
{
    const QJsonArray list = value.toArray();
    if (!value.isArray() || list.size() != 2 * settings.playersPerTeam)
        return QStringLiteral("`seats` must list the game's %1 seats").arg(2 * settings.playersPerTeam);
    for (const QJsonValue& entry : list) {
        TMessageFields fields(entry.toObject(), QStringLiteral("snapshot seat: "));
        TSeatView seat;
        seat.seat = fields.Seat(u"seat");
        seat.name = SeatHolderName(fields);
        seat.connected = Flag(fields, entry.toObject(), QStringLiteral("connected"));
        if (!fields.Failed() && seat.seat.player > settings.playersPerTeam)
            fields.Fail(QStringLiteral("%1 is no seat of this game").arg(SeatName(seat.seat)));
        for (const TSeatView& other : seats)
            if (!fields.Failed() && other.seat == seat.seat)
                fields.Fail(QStringLiteral("%1 is listed twice").arg(SeatName(seat.seat)));
        if (fields.Failed())
            return fields.Problem();
        seats.push_back(seat);
    }
    return {};
}

QString ReadMoves(const QJsonValue& value, std::vector<TPlayedMove>& moves)
{
    const QJsonArray list = value.toArray();
    if (!value.isArray() || list.size() > MostMoves)
        return QStringLiteral("`moves` must be a list of at most %1 moves").arg(MostMoves);
    moves.reserve(static_cast<std::size_t>(list.size()));
    for (const QJsonValue& entry : list) {
        TMessageFields fields(entry.toObject(), QStringLiteral("snapshot move %1: ").arg(moves.size() + 1));
        TPlayedMove played;
        played.move.from = fields.BoardSquare(u"from");
        played.move.to = fields.BoardSquare(u"to");
        played.move.promotion = fields.Promotion(u"promotion");
        played.clockMs = fields.WholeNumber(u"clock", 0, MaxExactWholeNumber);
        if (fields.Failed())
            return fields.Problem();
        moves.push_back(played);
    }
    return {};
}

TEnding Ending(TMessageFields& fields)
{
    TEnding ending;
    const int result = fields.Choice(u"result", Results);
    ending.result = result >= 0 ? Results.at(result) : QString();
    ending.reason = fields.PrintableAscii(u"reason", MaxNameLength);
    ending.message = fields.Words(u"message", MaxChatLength, false);
    return ending;
}

} // namespace

TFrameReading<TChatLine> ReadChatLine(const QJsonObject& frame)
{
    TMessageFields fields(frame, QStringLiteral("chat: "));
    TChatLine line;
    line.from = fields.Seat(u"from");
    line.name = fields.Words(u"name", MaxNameLength, false);
    line.toTeam = fields.Choice(u"to", ChatAudiences) == 1;
    line.text = fields.Words(u"text", MaxChatLength, false);
    line.atMs = fields.WholeNumber(u"at", 0, MaxExactWholeNumber);
    if (fields.Failed())
        return Problem<TChatLine>(fields.Problem());
    return {line, {}};
}

TFrameReading<TSnapshot> ReadSnapshot(const QJsonObject& frame, qint64 nowMs)
{
    TMessageFields fields(frame, QStringLiteral("snapshot: "));
    TSnapshot snapshot;
    snapshot.game = fields.GameCode(u"game");
    snapshot.seq = fields.WholeNumber(u"seq", 0, MaxExactWholeNumber);
    const TSettingsReading settings = ReadSettings(frame.value(QStringLiteral("settings")));
    if (fields.Failed())
        return Problem<TSnapshot>(fields.Problem());
    if (!settings.settings)
        return Problem<TSnapshot>(QStringLiteral("snapshot: ") + settings.problem);
    snapshot.settings = *settings.settings;
    if (const QString problem =
            ReadSeats(frame.value(QStringLiteral("seats")), snapshot.settings, snapshot.seats);
        !problem.isEmpty())
        return Problem<TSnapshot>(problem);
    if (const QString problem = ReadMoves(frame.value(QStringLiteral("moves")), snapshot.moves);
        !problem.isEmpty())
        return Problem<TSnapshot>(problem);
    snapshot.clocks = Clocks(fields, frame, nowMs);
    snapshot.toMove = OptionalSeat(fields, u"toMove");
    snapshot.movesLeft = static_cast<int>(fields.OptionalWholeNumber(u"movesLeft", 0, 4).value_or(0));
    snapshot.state = static_cast<TGameState>(std::max(0, fields.Choice(u"state", StateNames)));
    if (!fields.Failed() && snapshot.state == TGameState::Ended) {
        TMessageFields ending(frame.value(QStringLiteral("ending")).toObject(),
                              QStringLiteral("snapshot ending: "));
        snapshot.ending = Ending(ending);
        if (ending.Failed())
            return Problem<TSnapshot>(ending.Problem());
    }
    snapshot.drawOfferWhite = OptionalTeam(fields, u"drawOffer");
    const QJsonObject asked = frame.value(QStringLiteral("asked")).toObject();
    snapshot.askedStart = Asked(fields, asked.value(QStringLiteral("start")), QStringLiteral("start"));
    snapshot.askedPause = Asked(fields, asked.value(QStringLiteral("pause")), QStringLiteral("pause"));
    snapshot.askedContinue =
        Asked(fields, asked.value(QStringLiteral("continue")), QStringLiteral("continue"));
    snapshot.host = frame.value(QStringLiteral("host")).toBool();
    snapshot.watchers =
        static_cast<int>(fields.OptionalWholeNumber(u"watchers", 0, MostWatchers).value_or(0));
    if (fields.Failed())
        return Problem<TSnapshot>(fields.Problem());
    const QJsonArray chat = frame.value(QStringLiteral("chat")).toArray();
    if (chat.size() > MostChatLines)
        return Problem<TSnapshot>(
            QStringLiteral("snapshot: `chat` holds more than %1 lines").arg(MostChatLines));
    for (const QJsonValue& entry : chat) {
        const TFrameReading<TChatLine> line = ReadChatLine(entry.toObject());
        if (!line.value)
            return Problem<TSnapshot>(QStringLiteral("snapshot ") + line.problem);
        snapshot.chat.append(*line.value);
    }
    return {snapshot, {}};
}

TFrameReading<TEvent> ReadEvent(const QJsonObject& frame, qint64 nowMs)
{
    TEvent event;
    event.kind = frame.value(QStringLiteral("kind")).toString();
    TMessageFields fields(frame, QStringLiteral("event %1: ").arg(event.kind.left(MaxNameLength)));
    event.game = fields.GameCode(u"game");
    event.seq = fields.WholeNumber(u"seq", 1, MaxExactWholeNumber);
    const QString& kind = event.kind;
    if (kind == u"seated") {
        event.seat = fields.Seat(u"seat");
        event.name = fields.Words(u"name", MaxNameLength, false);
    } else if (kind == u"left") {
        event.seat = fields.Seat(u"seat");
    } else if (kind == u"connection") {
        event.seat = fields.Seat(u"seat");
        event.connected = Flag(fields, frame, QStringLiteral("connected"));
    } else if (kind == u"start-asked" || kind == u"pause-asked" || kind == u"continue-asked" ||
               kind == u"draw-offered" || kind == u"draw-declined") {
        event.white = fields.Choice(u"team", TeamNames) == 0;
    } else if (kind == u"started" || kind == u"resumed" || kind == u"move") {
        event.clocks = Clocks(fields, frame, nowMs);
        event.toMove = OptionalSeat(fields, u"toMove");
        event.movesLeft = static_cast<int>(fields.OptionalWholeNumber(u"movesLeft", 0, 4).value_or(0));
        if (kind == u"move") {
            event.seat = fields.Seat(u"seat");
            event.id = fields.PrintableAscii(u"id", MaxMoveIdLength);
            event.move.from = fields.BoardSquare(u"from");
            event.move.to = fields.BoardSquare(u"to");
            event.move.promotion = fields.Promotion(u"promotion");
            event.drawOfferWhite = OptionalTeam(fields, u"drawOffer");
        }
    } else if (kind == u"paused") {
        event.clocks = Clocks(fields, frame, nowMs);
        event.reason = fields.PrintableAscii(u"reason", MaxNameLength);
    } else if (kind == u"ended") {
        event.clocks = Clocks(fields, frame, nowMs);
        event.ending = Ending(fields);
    }
    // A kind this program does not know is kept only for its number: a newer
    // server may tell more than this window shows.
    if (fields.Failed())
        return Problem<TEvent>(fields.Problem());
    return {event, {}};
}

} // namespace net
