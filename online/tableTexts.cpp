#include "tableTexts.h"

#include <QCoreApplication>
#include <algorithm>

#include "veltanbrdKernel.h"

namespace online {
namespace {

QString Tr(const char* text)
{
    return QCoreApplication::translate("online", text);
}

QString TeamWord(bool white)
{
    return white ? Tr("White") : Tr("Black");
}

QString AskedText(const net::TAsked& asked, const QString& what)
{
    if (asked.white == asked.black)
        return {};
    return Tr("; %1 asked to %2").arg(TeamWord(asked.white), what);
}

QString PauseText(const QString& reason)
{
    if (reason == QLatin1String("absent"))
        return Tr("Paused: a player is away");
    if (reason == QLatin1String("restart"))
        return Tr("Paused: the server started again");
    return Tr("Paused");
}

QString MoverName(const net::TFollowedGame& game, net::TSeat seat)
{
    for (const net::TSeatView& view : game.Seats())
        if (view.seat == seat)
            return view.heldHere ? Tr("you") : view.name;
    return {};
}

} // namespace

QString StatusText(const net::TFollowedGame& game, const TVeltanBrdKernel& board)
{
    if (!game.HasGame())
        return Tr("Connecting to the game…");
    switch (game.State()) {
    case net::TGameState::Waiting:
        return Tr("Waiting for the start: Start/Stop asks to start") +
               AskedText(game.AskedStart(), Tr("start"));
    case net::TGameState::Paused:
        return PauseText(game.PauseReason()) + Tr("; Start/Stop asks to continue") +
               AskedText(game.AskedContinue(), Tr("continue"));
    case net::TGameState::Ended:
        return game.Ending().message;
    case net::TGameState::Running:
        break;
    }
    QString text = QString::fromStdString(board.GetMovesLeftInTurn());
    if (const std::optional<net::TSeat> mover = game.BoardMover()) {
        const QString name = MoverName(game, *mover);
        // A team of one player has the line end in ';', where nobody is named.
        if (!name.isEmpty()) {
            if (text.endsWith(QLatin1Char(';')))
                text.chop(1);
            text += QStringLiteral(" (%1)").arg(name);
        }
    }
    if (const std::optional<bool> offer = game.DrawOfferWhite())
        text += Tr("; %1 offers a draw").arg(TeamWord(*offer));
    return text + AskedText(game.AskedPause(), Tr("pause"));
}

QString ReconnectingText(qint64 awayMs)
{
    return Tr("Reconnecting… (away %1 s)").arg(std::max<qint64>(0, awayMs) / 1000);
}

QString SeatTitle(net::TSeat seat, int playersPerTeam)
{
    const QString team = TeamWord(seat.white);
    return playersPerTeam > 1 ? QStringLiteral("%1 %2").arg(team).arg(seat.player) : team;
}

QString SeatLine(const net::TSeatView& seat, bool toMove)
{
    QString line = seat.name.isEmpty() ? Tr("free") : seat.name;
    if (!seat.name.isEmpty() && !seat.connected)
        line += Tr(" (away)");
    if (toMove)
        line += Tr(", to move");
    if (seat.heldHere)
        line += Tr(", here");
    return line;
}

} // namespace online
