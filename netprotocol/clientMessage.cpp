#include "clientMessage.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QStringList>
#include <algorithm>
#include <iterator>
#include <limits>
#include <utility>

#include "messageFields.h"
#include "protocolLimits.h"
#include "wholeNumber.h"

namespace net {

namespace {

// Tokens are the server's own texts; a client only gives them back, so any
// printable text of a sane length may be one and the server decides.
constexpr int MaxTokenLength = 128;

TClientMessage ReadHello(TMessageFields& fields)
{
    THello hello;
    hello.protocol = static_cast<int>(fields.WholeNumber(u"protocol", 0, std::numeric_limits<int>::max()));
    hello.name = fields.Words(u"name", MaxNameLength, true);
    return hello;
}

TClientMessage ReadCreate(TMessageFields& fields)
{
    const QJsonObject object = fields.Object(u"settings");
    TCreate create;
    if (fields.Failed())
        return create;
    const TSettingsReading reading = ReadSettings(object);
    if (reading.settings)
        create.settings = *reading.settings;
    else
        fields.Fail(QStringLiteral("in `settings`, ") + reading.problem);
    return create;
}

TClientMessage ReadJoin(TMessageFields& fields)
{
    TJoin join;
    join.game = fields.GameCode(u"game");
    join.seat = fields.Seat(u"seat");
    return join;
}

// An `after` of 0 asks for every event of the game.
std::optional<qint64> ReadAfter(TMessageFields& fields)
{
    return fields.OptionalWholeNumber(u"after", 0, MaxExactWholeNumber);
}

TClientMessage ReadRejoin(TMessageFields& fields)
{
    TRejoin rejoin;
    rejoin.game = fields.GameCode(u"game");
    rejoin.token = fields.PrintableAscii(u"token", MaxTokenLength);
    rejoin.after = ReadAfter(fields);
    return rejoin;
}

TClientMessage ReadLeave(TMessageFields& fields)
{
    TLeave leave;
    leave.game = fields.GameCode(u"game");
    leave.seat = fields.Seat(u"seat");
    return leave;
}

TClientMessage ReadFree(TMessageFields& fields)
{
    TFree free;
    free.game = fields.GameCode(u"game");
    free.seat = fields.Seat(u"seat");
    return free;
}

TClientMessage ReadWatch(TMessageFields& fields)
{
    TWatch watch;
    watch.game = fields.GameCode(u"game");
    watch.after = ReadAfter(fields);
    return watch;
}

TClientMessage ReadMove(TMessageFields& fields)
{
    TMove move;
    move.game = fields.GameCode(u"game");
    move.id = fields.PrintableAscii(u"id", MaxMoveIdLength);
    move.move.from = fields.BoardSquare(u"from");
    move.move.to = fields.BoardSquare(u"to");
    move.move.promotion = fields.Promotion(u"promotion");
    return move;
}

template <TTeamCommand Command> TClientMessage ReadCommand(TMessageFields& fields)
{
    TCommand command;
    command.command = Command;
    command.game = fields.GameCode(u"game");
    command.seat = fields.OptionalSeat(u"seat");
    return command;
}

TClientMessage ReadChat(TMessageFields& fields)
{
    TChat chat;
    chat.game = fields.GameCode(u"game");
    chat.toTeam = fields.Choice(u"to", {QStringLiteral("all"), QStringLiteral("team")}) == 1;
    chat.text = fields.Words(u"text", MaxChatLength, true);
    chat.seat = fields.OptionalSeat(u"seat");
    return chat;
}

TClientMessage ReadPing(TMessageFields& fields)
{
    return TPing{fields.OptionalText(u"payload").value_or(QString())};
}

struct TMessageType {
    const char* name;
    TClientMessage (*read)(TMessageFields&);
};

// The protocol's names of the team commands, indexed by TTeamCommand.
constexpr const char* CommandNames[] = {"start", "pause",        "continue", "resign",
                                        "draw",  "decline-draw", "claim",    "abort"};
static_assert(std::size(CommandNames) == static_cast<std::size_t>(TTeamCommand::Abort) + 1);

// A team command's entry in the table of types below, named once.
template <TTeamCommand Command> constexpr TMessageType CommandType()
{
    return {CommandNames[static_cast<std::size_t>(Command)], ReadCommand<Command>};
}

constexpr TMessageType MessageTypes[] = {
    {"hello", ReadHello},
    {"create", ReadCreate},
    {"join", ReadJoin},
    {"rejoin", ReadRejoin},
    {"leave", ReadLeave},
    {"free", ReadFree},
    {"watch", ReadWatch},
    {"move", ReadMove},
    CommandType<TTeamCommand::Start>(),
    CommandType<TTeamCommand::Pause>(),
    CommandType<TTeamCommand::Continue>(),
    CommandType<TTeamCommand::Resign>(),
    CommandType<TTeamCommand::Draw>(),
    CommandType<TTeamCommand::DeclineDraw>(),
    CommandType<TTeamCommand::Claim>(),
    CommandType<TTeamCommand::Abort>(),
    {"chat", ReadChat},
    {"ping", ReadPing},
};

TClientReading Refusal(const QString& code, const QString& problem)
{
    TClientReading reading;
    reading.errorCode = code;
    reading.problem = problem;
    return reading;
}

QString TypeNames()
{
    QStringList names;
    for (const TMessageType& type : MessageTypes)
        names << QLatin1String(type.name);
    return names.join(QStringLiteral(", "));
}

} // namespace

TClientReading ReadClientMessage(QByteArrayView frame)
{
    if (frame.size() > MaxClientFrameBytes)
        return Refusal(QStringLiteral("too-large"),
                       QStringLiteral("a frame may have at most %1 bytes").arg(MaxClientFrameBytes));
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(frame.toByteArray(), &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return Refusal(QStringLiteral("bad-json"), QStringLiteral("the frame is no JSON: %1 at byte %2")
                                                       .arg(parseError.errorString())
                                                       .arg(parseError.offset));
    if (!document.isObject())
        return Refusal(QStringLiteral("bad-json"), QStringLiteral("a frame must be one JSON object"));

    const QJsonObject object = document.object();
    const QString type = object.value(QStringLiteral("type")).toString();
    const auto known = std::find_if(std::begin(MessageTypes), std::end(MessageTypes),
                                    [&type](const TMessageType& t) { return type == QLatin1String(t.name); });
    if (known == std::end(MessageTypes))
        return Refusal(QStringLiteral("unknown-type"),
                       QStringLiteral("`type` must be one of ") + TypeNames());

    const QString context = type + QStringLiteral(": ");
    TClientReading reading;
    if (type == QLatin1String("move")) {
        // Read on its own so that a move wrong in any other field still has
        // the id its refusal must carry.
        reading.isMove = true;
        TMessageFields idField(object, context);
        const QString id = idField.PrintableAscii(u"id", MaxMoveIdLength);
        if (!idField.Failed())
            reading.moveId = id;
    }
    TMessageFields fields(object, context);
    TClientMessage message = known->read(fields);
    if (fields.Failed()) {
        reading.errorCode = QStringLiteral("bad-field");
        reading.problem = fields.Problem();
    } else {
        reading.message = std::move(message);
    }
    return reading;
}

QString CommandName(TTeamCommand command)
{
    const auto index = static_cast<std::size_t>(command);
    return index < std::size(CommandNames) ? QLatin1String(CommandNames[index]) : QString();
}

} // namespace net
