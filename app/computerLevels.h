#pragma once
// The computer's levels as the menu offers them. Each has a key that stays
// the same from version to version, so a remembered choice can be read back.

#include <QString>
#include <vector>

#include "veltanbrdKernel.h"

/// One level: how well the computer plays (a strength step), or how long it
/// thinks at full strength (the advanced levels).
struct TComputerLevel {
    enum class TPace { Strength, MoveTime, Clock, Depth };
    QString key;     ///< "strength1" .. "strength8", "0.5s", "2s", "10s", "clock", "depth1" .. "depth8"
    QString caption; ///< the menu's words
    TPace pace = TPace::MoveTime;
    int amount = 0; ///< the step (Strength), milliseconds a move (MoveTime) or moves deep (Depth)
};

/// Every level in menu order: the strength steps from the weakest, then the
/// advanced ones: the fixed times, the clock, the depths.
const std::vector<TComputerLevel>& ComputerLevels();

/// The level a first start plays at: a step a newcomer can beat with some care.
const TComputerLevel& DefaultComputerLevel();

/// The level the board is set to; the default when its settings match none.
const TComputerLevel& CurrentComputerLevel(const TVeltanBrdKernel& board);

/// True for the key of a level, as the settings and the unfinished game keep it.
bool IsComputerLevelKey(const QString& key);

/// Puts the board on the level of that key; false (nothing changed) for a key no level has.
bool ApplyComputerLevel(TVeltanBrdKernel& board, const QString& key);
