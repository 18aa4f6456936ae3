// Team commands and chat: who speaks for which team.

#include <QDateTime>

#include "onlineServer.h"
#include "serverMessages.h"

namespace {

constexpr int ChatLinesKept = 50;

// Commands both teams must agree on; a connection holding seats of both agrees for both.
bool AskedOfEachTeam(net::TTeamCommand command)
{
    return command == net::TTeamCommand::Start || command == net::TTeamCommand::Pause ||
           command == net::TTeamCommand::Continue;
}

} // namespace

void TOnlineServer::OnCommand(TClientConnection& connection, const net::TCommand& command)
{
    TGameRoom* room = Room(connection, command.game);
    if (!room)
        return;
    const QString code = room->Code();
    const bool host = connection.hosting.contains(code);
    std::vector<bool> teams;
    if (command.seat) {
        if (!connection.Holds(code, *command.seat)) {
            Error(connection, QStringLiteral("no-seat"),
                  QStringLiteral("you do not hold %1").arg(net::SeatName(*command.seat)), code);
            return;
        }
        teams.push_back(command.seat->white);
    } else {
        for (const bool white : {true, false})
            if (connection.HoldsTeam(code, white))
                teams.push_back(white);
    }
    // A host without a seat may start the game for everyone, or call it off before it starts.
    if (teams.empty() && host && command.command == net::TTeamCommand::Start)
        teams = {true, false};
    if (teams.empty() && host && command.command == net::TTeamCommand::Abort)
        teams = {true};
    if (teams.empty()) {
        Error(connection, QStringLiteral("not-allowed"), QStringLiteral("you hold no seat in this game"),
              code);
        return;
    }
    if (teams.size() > 1 && !AskedOfEachTeam(command.command)) {
        Error(connection, QStringLiteral("bad-field"),
              QStringLiteral("%1: you hold seats of both teams; name the `seat` you speak for")
                  .arg(net::CommandName(command.command)),
              code);
        return;
    }
    TRoomChange all;
    for (const bool white : teams) {
        TRoomChange change = room->Command(command.command, white, host, Now());
        if (!change.errorCode.isEmpty()) {
            Error(connection, change.errorCode, change.problem, code);
            break;
        }
        std::move(change.events.begin(), change.events.end(), std::back_inserter(all.events));
        std::move(change.writes.begin(), change.writes.end(), std::back_inserter(all.writes));
    }
    Commit(*room, std::move(all), &connection);
}

void TOnlineServer::OnChat(TClientConnection& connection, const net::TChat& chat)
{
    TGameRoom* room = Room(connection, chat.game);
    if (!room)
        return;
    const QString code = room->Code();
    std::optional<net::TSeat> from = chat.seat;
    if (from && !connection.Holds(code, *from)) {
        Error(connection, QStringLiteral("no-seat"),
              QStringLiteral("you do not hold %1").arg(net::SeatName(*from)), code);
        return;
    }
    if (!from)
        for (const int index : connection.seats.value(code))
            if (!from || net::SeatAt(index).player < from->player)
                from = net::SeatAt(index);
    if (!from) {
        Error(connection, QStringLiteral("not-allowed"),
              QStringLiteral("watchers read the chat but do not write"), code);
        return;
    }
    const QJsonObject line{
        {QStringLiteral("type"), QStringLiteral("chat")},
        {QStringLiteral("game"), code},
        {QStringLiteral("from"), net::SeatName(*from)},
        {QStringLiteral("name"), connection.name},
        {QStringLiteral("to"), chat.toTeam ? QStringLiteral("team") : QStringLiteral("all")},
        {QStringLiteral("text"), chat.text},
        {QStringLiteral("at"), QDateTime::currentMSecsSinceEpoch()}};
    const bool white = from->white;
    const bool toTeam = chat.toTeam;
    _store.Write({TNewChat{code, line}}, [this, code, line, white, toTeam](bool ok) {
        if (!ok)
            return;
        QList<QJsonObject>& kept = _chat[code];
        kept.append(line);
        while (kept.size() > ChatLinesKept)
            kept.removeFirst();
        for (TClientConnection* member : std::as_const(_members[code]))
            if (!toTeam || member->HoldsTeam(code, white))
                member->Send(line);
    });
}
