#pragma once
// Which game of a match is played how: the games come in pairs on the same
// arrangement, turn setting and opening, the engine White in the first and
// Black in the second, and the pairs go round the arrangements and turn settings.

#include <array>
#include <string>

#include "refereeGame.h"
#include "startPositionCatalogue.h"

/// The catalogue entries a match goes round.
inline constexpr std::array<int, 3> Arrangements = {catalogue::StandardEntry, catalogue::QuadrantEntry,
                                                    catalogue::CastlingTestEntry};

/// The turn settings a match goes round.
inline constexpr std::array<TTurnRules, 4> TurnSettings = {TTurnRules{1, 1}, TTurnRules{2, 2},
                                                           TTurnRules{4, 4}, TTurnRules{2, 1}};

/// How one game is played.
struct TGamePlan {
    int number = 1; ///< 1-based
    int pair = 0;   ///< 0-based; both games of a pair start with the same opening
    int arrangement = catalogue::StandardEntry;
    TTurnRules setting = TurnSettings[0];
    int rowShift = 0;
    bool engineWhite = true;
};

/// The plan of the game with the 0-based index.
TGamePlan PlanGame(int index, int rowShift);

/// "Standard", "Quadrant" or "Castling".
std::string ArrangementName(int arrangement);
/// "2m/1p": two moves per team turn, one player per team.
std::string SettingName(TTurnRules setting);
