#pragma once
// Which game of a match is played how: the games come in pairs on the same
// arrangement and turn setting, the engine White in the first and Black in
// the second, and the pairs go round the arrangements and turn settings.

#include <array>
#include <string>

/// The start arrangements a match goes round.
enum class TArrangement { Classic, Quadrant, RooksAndKings };

inline constexpr std::array<TArrangement, 3> Arrangements = {TArrangement::Classic, TArrangement::Quadrant,
                                                             TArrangement::RooksAndKings};

/// Moves a team makes per turn and the players that share them.
struct TTurnSetting {
    int movesPerTeamTurn;
    int playersPerTeam;
    bool operator==(const TTurnSetting&) const = default;
};

/// The turn settings a match goes round.
inline constexpr std::array<TTurnSetting, 4> TurnSettings = {TTurnSetting{1, 1}, TTurnSetting{2, 2},
                                                             TTurnSetting{4, 4}, TTurnSetting{2, 1}};

/// How one game is played.
struct TGamePlan {
    int number = 1; ///< 1-based
    TArrangement arrangement = TArrangement::Classic;
    TTurnSetting setting = TurnSettings[0];
    int rowShift = 0;
    bool engineWhite = true;
};

/// The plan of the game with the 0-based index.
TGamePlan PlanGame(int index, int rowShift);

/// "Classic", "Quadrant" or "RooksAndKings".
std::string ArrangementName(TArrangement arrangement);
/// "2m/1p": two moves per team turn, one player per team.
std::string SettingName(TTurnSetting setting);
