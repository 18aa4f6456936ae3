#pragma once
// Every lasting setting of the program: its key, default and allowed values.
// The defaults are those of a first start.

#include "computerLevels.h"
#include "pieceSetKeys.h"
#include "settingsStore.h"

namespace settingkeys {

/// Whether a text is an absolute path (of a folder that may since have gone).
bool IsAbsolutePath(const QString& value);

/// The engine choice that names the built-in search.
inline constexpr char BuiltInEngine[] = "builtin";
/// Whether a text names an engine: BuiltInEngine, or the absolute path of a
/// program, whether or not it is there now.
bool IsEngineChoice(const QString& value);

// The board.
inline constexpr TTextSetting PieceSet{"Board/PieceSet", "Fr80", IsPieceSetName};
inline constexpr TBoolSetting Coordinates{"Board/Coordinates", false};
inline constexpr TBoolSetting WhiteOnTop{"Board/WhiteOnTop", false};
inline constexpr TBoolSetting ShowLastMove{"Board/ShowLastMove", true};

// The options dialog's game, as TGameSetup holds it: minutes and seconds.
inline constexpr TIntSetting StartPosition{"Game/StartPosition", 0, 0, 2};
inline constexpr TIntSetting RowShift{"Game/RowShift", 0, 0, 2};
inline constexpr TIntSetting MovesPerTeamTurn{"Game/MovesPerTeamTurn", 4, 1, 4};
inline constexpr TIntSetting PlayersPerTeam{"Game/PlayersPerTeam", 1, 1, 4};
inline constexpr int LongestGameMinutes = 100 * 24 * 60;
inline constexpr int LargestIncrementSeconds = 24 * 60 * 60;
inline constexpr TIntSetting TimeWhiteMinutes{"Game/TimeWhiteMinutes", 60, 0, LongestGameMinutes};
inline constexpr TIntSetting TimeBlackMinutes{"Game/TimeBlackMinutes", 60, 0, LongestGameMinutes};
inline constexpr TIntSetting IncrementWhiteSeconds{"Game/IncrementWhiteSeconds", 5, -LargestIncrementSeconds,
                                                   LargestIncrementSeconds};
inline constexpr TIntSetting IncrementBlackSeconds{"Game/IncrementBlackSeconds", 5, -LargestIncrementSeconds,
                                                   LargestIncrementSeconds};

// The computer player.
inline constexpr TBoolSetting ComputerWhite{"Computer/White", false};
inline constexpr TBoolSetting ComputerBlack{"Computer/Black", false};
inline constexpr TTextSetting ComputerLevel{"Computer/Level", "strength3", IsComputerLevelKey};
inline constexpr TTextSetting Engine{"Computer/Engine", BuiltInEngine, IsEngineChoice};

// The window and the game files.
inline constexpr TBytesSetting WindowGeometry{"Window/Geometry"};
inline constexpr TTextSetting GameFileFolder{"Files/GameFileFolder", "", IsAbsolutePath};

} // namespace settingkeys
