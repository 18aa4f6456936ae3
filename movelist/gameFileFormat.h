#pragma once
// The names, letters and limits of a saved game, shared by the writer, the
// reader and their tests so the two sides cannot drift apart.

#include <QLatin1String>
#include <QtGlobal>

#include "veltanbrdKernel.h"

namespace gamefile {

/// Element and attribute names as written; the reader finds the root in any
/// letter case but takes moves only under exactly MoveElement.
inline constexpr QLatin1String RootElement{"Veltan"};
inline constexpr QLatin1String MoveElement{"Move"};
inline constexpr QLatin1String VersionAttribute{"Version"};
inline constexpr QLatin1String NameAttribute{"Name"};
inline constexpr QLatin1String DateTimeAttribute{"DateTime"};
inline constexpr QLatin1String PlayersPerTeamAttribute{"PlayersPerTeam"};
inline constexpr QLatin1String MovesPerTeamTurnAttribute{"MovesPerTeamTurn"};
inline constexpr QLatin1String MovesPerPlayerTurnAttribute{"MovesPerPlayerTurn"};
inline constexpr QLatin1String IncrementAttribute{"Increment"};
/// How the game started. Optional: older files lack them and readers that do
/// not know them pass them by.
inline constexpr QLatin1String StartPositionAttribute{"StartPosition"};
inline constexpr QLatin1String StartPlayersAttribute{"StartPlayers"};
inline constexpr QLatin1String StartPositionTypeAttribute{"StartPositionType"};
inline constexpr QLatin1String StartPositionRowShiftAttribute{"StartPositionRowShift"};
inline constexpr QLatin1String TimeStartWhiteAttribute{"TimeStartWhite"};
inline constexpr QLatin1String TimeStartBlackAttribute{"TimeStartBlack"};
inline constexpr QLatin1String IncrementWhiteAttribute{"IncrementWhite"};
inline constexpr QLatin1String IncrementBlackAttribute{"IncrementBlack"};
inline constexpr QLatin1String PositionAttribute{"Position"};
inline constexpr QLatin1String PlayersAttribute{"Players"};
inline constexpr QLatin1String TimeLeftAttribute{"TimeLeft"};
inline constexpr QLatin1String TeamColorAttribute{"TeamColor"};
inline constexpr QLatin1String OldSqrAttribute{"OldSqr"};
inline constexpr QLatin1String NewSqrAttribute{"NewSqr"};
/// A record's clock to the millisecond, beside TimeLeft's whole seconds;
/// preferred when present (older files lack it).
inline constexpr QLatin1String TimeLeftMsAttribute{"TimeLeftMs"};
/// The team whose clock ran out after the last move ("White" or "Black");
/// optional, written only for a game lost on time.
inline constexpr QLatin1String LostOnTimeAttribute{"LostOnTime"};
/// Milliseconds in a day, the unit of clock values.
inline constexpr double MillisecondsPerDay = 86'400'000.0;

/// The format version written into every file (never checked on reading).
inline constexpr QLatin1String FormatVersion{"0.9"};
/// TeamColor values; anything but WhiteTeam counts as Black.
inline constexpr QLatin1String WhiteTeam{"White"};
inline constexpr QLatin1String BlackTeam{"Black"};

/// Letters a record's position may hold: blank, the pieces and the en passant markers.
inline constexpr QLatin1String PositionLetters{" PNBRQKEpnbrqke"};
/// Largest arrangement number and row shift a start may name.
inline constexpr int MaxStartPositionType = 2;
inline constexpr int MaxStartPositionRowShift = 2;
/// Letters a record's players string may hold: no player, players 1 to 4, blank.
inline constexpr QLatin1String PlayerLetters{"01234 "};

/// Most moves a file may hold: the history's capacity.
inline constexpr int MaxMoves = MaxHistoryMoves;
/// Largest file the reader accepts. A game of 4096 moves takes about 2.5 MB;
/// anything far beyond that is not a game and is not read into memory.
inline constexpr qint64 MaxFileBytes = 8 * 1024 * 1024;
/// Most elements a document may hold: a root, its moves and some room for
/// wrappers. It bounds the memory a hostile document can make the reader use.
inline constexpr int MaxElements = 2 * MaxMoves;

} // namespace gamefile
