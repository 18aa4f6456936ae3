#include "onlineSettings.h"

#include <QStringList>
#include <iterator>

#include "messageFields.h"
#include "refereeGame.h"
#include "startPositionCatalogue.h"

namespace net {

namespace {

// The protocol's names of the start catalogue's entries, in its order (the
// engine program's position command uses the same three names).
constexpr const char* ArrangementTexts[] = {"standard", "quadrant", "castling"};
static_assert(std::size(ArrangementTexts) == catalogue::EntryCount);

QStringList ArrangementNames()
{
    QStringList names;
    for (const char* text : ArrangementTexts)
        names << QLatin1String(text);
    return names;
}

QJsonObject TeamPair(int white, int black)
{
    return {{QStringLiteral("white"), white}, {QStringLiteral("black"), black}};
}

} // namespace

TSettingsReading ReadSettings(const QJsonValue& value)
{
    if (!value.isObject())
        return {std::nullopt, QStringLiteral("the settings must be an object")};
    TMessageFields fields(value.toObject(), QString());
    TOnlineSettings settings;
    settings.arrangement = fields.Choice(u"arrangement", ArrangementNames());
    settings.rowShift = static_cast<int>(fields.WholeNumber(u"rowShift", 0, catalogue::MaxRowShift));
    settings.playersPerTeam = fields.WholeNumberOf(u"playersPerTeam", {1, 2, 4});
    settings.movesPerTeamTurn = fields.WholeNumberOf(u"movesPerTeamTurn", {1, 2, 4});
    settings.minutesWhite = static_cast<int>(fields.WholeNumber(u"minutes.white", 1, MaxMinutes));
    settings.minutesBlack = static_cast<int>(fields.WholeNumber(u"minutes.black", 1, MaxMinutes));
    settings.incrementWhite =
        static_cast<int>(fields.WholeNumber(u"increment.white", 0, MaxIncrementSeconds));
    settings.incrementBlack =
        static_cast<int>(fields.WholeNumber(u"increment.black", 0, MaxIncrementSeconds));
    // The referee has the last word on turn rules: a game it would not start
    // must not be created.
    if (!fields.Failed()) {
        const std::string rulesProblem =
            TurnRulesProblem({settings.movesPerTeamTurn, settings.playersPerTeam});
        if (!rulesProblem.empty())
            fields.Fail(QString::fromStdString(rulesProblem));
    }
    if (fields.Failed())
        return {std::nullopt, fields.Problem()};
    return {settings, QString()};
}

QJsonObject SettingsJson(const TOnlineSettings& settings)
{
    return {
        {QStringLiteral("arrangement"), ArrangementName(settings.arrangement)},
        {QStringLiteral("rowShift"), settings.rowShift},
        {QStringLiteral("playersPerTeam"), settings.playersPerTeam},
        {QStringLiteral("movesPerTeamTurn"), settings.movesPerTeamTurn},
        {QStringLiteral("minutes"), TeamPair(settings.minutesWhite, settings.minutesBlack)},
        {QStringLiteral("increment"), TeamPair(settings.incrementWhite, settings.incrementBlack)},
    };
}

QString ArrangementName(int arrangement)
{
    if (arrangement < 0 || arrangement >= catalogue::EntryCount)
        return {};
    return QLatin1String(ArrangementTexts[arrangement]);
}

} // namespace net
