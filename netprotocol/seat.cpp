#include "seat.h"

#include <algorithm>

namespace net {

namespace {

const QString WhiteName = QStringLiteral("white");
const QString BlackName = QStringLiteral("black");

// A seat made in code with a player out of range still gets an index inside
// arrays of seats: the nearest player of its team.
int BoundedPlayer(int player)
{
    return std::clamp(player, 1, MaxPlayersPerTeam);
}

} // namespace

QString SeatName(TSeat seat)
{
    return TeamName(seat.white) + QLatin1Char('-') + QString::number(BoundedPlayer(seat.player));
}

std::optional<TSeat> ReadSeat(QStringView name)
{
    // "white-1": a team's name, a dash and one digit.
    const qsizetype teamLength = WhiteName.size();
    if (name.size() != teamLength + 2 || name[teamLength] != QLatin1Char('-'))
        return std::nullopt;
    const std::optional<bool> white = ReadTeam(name.first(teamLength));
    const char16_t digit = name[teamLength + 1].unicode();
    if (!white || digit < u'1' || digit > u'0' + MaxPlayersPerTeam)
        return std::nullopt;
    return TSeat{*white, digit - u'0'};
}

int SeatIndex(TSeat seat)
{
    return (seat.white ? 0 : MaxPlayersPerTeam) + BoundedPlayer(seat.player) - 1;
}

TSeat SeatAt(int index)
{
    const int bounded = std::clamp(index, 0, MaxSeats - 1);
    return TSeat{bounded < MaxPlayersPerTeam, bounded % MaxPlayersPerTeam + 1};
}

QString TeamName(bool white)
{
    return white ? WhiteName : BlackName;
}

std::optional<bool> ReadTeam(QStringView name)
{
    if (name == WhiteName)
        return true;
    if (name == BlackName)
        return false;
    return std::nullopt;
}

} // namespace net
