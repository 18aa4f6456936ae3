#include "seatsAndSettings.h"

#include <QJsonValue>
#include <array>

#include "refereeGame.h"
#include "startPositionCatalogue.h"

namespace {

constexpr std::array<const char*, catalogue::EntryCount> ArrangementNames = {"standard", "quadrant",
                                                                             "castling"};

// A whole number in [low, high] under `key`; JSON numbers are doubles, so 2.5 is refused here.
std::optional<int> WholeNumber(const QJsonObject& object, const QString& key, int low, int high)
{
    const QJsonValue value = object.value(key);
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (number < low || number > high || number != static_cast<int>(number))
        return std::nullopt;
    return static_cast<int>(number);
}

} // namespace

QString SeatText(net::TSeat seat)
{
    return QStringLiteral("%1-%2").arg(TeamText(seat.white)).arg(seat.player);
}

std::optional<net::TSeat> ReadSeatText(QStringView text)
{
    const qsizetype dash = text.indexOf(u'-');
    if (dash < 0 || dash + 2 != text.size())
        return std::nullopt;
    const QStringView team = text.first(dash);
    if (team != u"white" && team != u"black")
        return std::nullopt;
    const int player = text.back().digitValue();
    if (player < 1 || player > net::MaxPlayersPerTeam)
        return std::nullopt;
    return net::TSeat{team == u"white", player};
}

QString TeamText(bool white)
{
    return white ? QStringLiteral("white") : QStringLiteral("black");
}

std::optional<int> ReadArrangement(QStringView name)
{
    for (int i = 0; i < catalogue::EntryCount; ++i) {
        if (name == QLatin1String(ArrangementNames[static_cast<std::size_t>(i)]))
            return i;
    }
    return std::nullopt;
}

QString ArrangementText(int arrangement)
{
    if (arrangement < 0 || arrangement >= catalogue::EntryCount)
        return {};
    return QString::fromLatin1(ArrangementNames[static_cast<std::size_t>(arrangement)]);
}

QJsonObject SettingsObject(const net::TOnlineSettings& settings)
{
    return {
        {"arrangement", ArrangementText(settings.arrangement)},
        {"rowShift", settings.rowShift},
        {"playersPerTeam", settings.playersPerTeam},
        {"movesPerTeamTurn", settings.movesPerTeamTurn},
        {"minutes", QJsonObject{{"white", settings.minutesWhite}, {"black", settings.minutesBlack}}},
        {"increment", QJsonObject{{"white", settings.incrementWhite}, {"black", settings.incrementBlack}}},
    };
}

std::optional<net::TOnlineSettings> ReadSettingsObject(const QJsonObject& object)
{
    const std::optional<int> arrangement = ReadArrangement(object.value("arrangement").toString());
    const std::optional<int> rowShift = WholeNumber(object, "rowShift", 0, catalogue::MaxRowShift);
    const std::optional<int> players = WholeNumber(object, "playersPerTeam", 1, net::MaxPlayersPerTeam);
    const std::optional<int> moves = WholeNumber(object, "movesPerTeamTurn", 1, MaxMovesPerTeamTurn);
    const QJsonObject minutes = object.value("minutes").toObject();
    const QJsonObject increment = object.value("increment").toObject();
    const std::optional<int> minutesWhite = WholeNumber(minutes, "white", 1, net::MaxMinutes);
    const std::optional<int> minutesBlack = WholeNumber(minutes, "black", 1, net::MaxMinutes);
    const std::optional<int> incrementWhite = WholeNumber(increment, "white", 0, net::MaxIncrementSeconds);
    const std::optional<int> incrementBlack = WholeNumber(increment, "black", 0, net::MaxIncrementSeconds);
    if (!arrangement || !rowShift || !players || !moves || !minutesWhite || !minutesBlack ||
        !incrementWhite || !incrementBlack)
        return std::nullopt;
    if (!TurnRulesProblem({*moves, *players}).empty())
        return std::nullopt;
    return net::TOnlineSettings{*arrangement,  *rowShift,     *players,        *moves,
                                *minutesWhite, *minutesBlack, *incrementWhite, *incrementBlack};
}
