#include "matchSchedule.h"

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
    plan.arrangement = Arrangements[static_cast<std::size_t>(pair % arrangements)];
    plan.setting = TurnSettings[static_cast<std::size_t>((pair / arrangements) % settings)];
    plan.rowShift = rowShift;
    plan.engineWhite = index % GamesPerPair == 0;
    return plan;
}

std::string ArrangementName(TArrangement arrangement)
{
    switch (arrangement) {
    case TArrangement::Classic:
        return "Classic";
    case TArrangement::Quadrant:
        return "Quadrant";
    default:
        return "RooksAndKings";
    }
}

std::string SettingName(TTurnSetting setting)
{
    return std::to_string(setting.movesPerTeamTurn) + "m/" + std::to_string(setting.playersPerTeam) + "p";
}
