#include "matchSchedule.h"

#include "positionCommand.h"

namespace {

constexpr int GamesPerPair = 2;

} // namespace

TGamePlan PlanGame(int index, int rowShift)
{
    const int pair = index / GamesPerPair;
    const int arrangements = static_cast<int>(Arrangements.size());
    const int settings = static_cast<int>(TurnSettings.size());
    TGamePlan plan;
    plan.number = index + 1;
    plan.pair = pair;
    plan.arrangement = Arrangements[static_cast<std::size_t>(pair % arrangements)];
    plan.setting = TurnSettings[static_cast<std::size_t>((pair / arrangements) % settings)];
    plan.rowShift = rowShift;
    plan.engineWhite = index % GamesPerPair == 0;
    return plan;
}

std::string ArrangementName(int arrangement)
{
    std::string name = CatalogueEntryName(arrangement);
    if (!name.empty())
        name[0] = static_cast<char>(name[0] - 'a' + 'A');
    return name;
}

std::string SettingName(TTurnRules setting)
{
    return std::to_string(setting.movesPerTeamTurn) + "m/" + std::to_string(setting.playersPerTeam) + "p";
}
