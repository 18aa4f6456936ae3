#pragma once
// The start positions offered by the options dialog: for each entry, row shift
// and number of players, the 256-character position and players strings the
// board's StartPosition and StartPlayers take. Plain standard C++.

#include <string>

namespace catalogue {

/// Dialog indexes of the entries.
inline constexpr int StandardEntry = 0;
inline constexpr int QuadrantEntry = 1;
inline constexpr int CastlingTestEntry = 2;
/// Number of entries (valid indexes are 0 .. EntryCount - 1).
inline constexpr int EntryCount = 3;
/// Largest row shift (valid shifts are 0 .. MaxRowShift).
inline constexpr int MaxRowShift = 2;
/// Characters of a board row and of a whole board string.
inline constexpr int RowLength = 16;
inline constexpr int BoardLength = 256;

/// NumberOfRows rows of 16 blanks joined together; "" for 0 or less. A count
/// above 16 gives 16 rows: no board string has more.
std::string EmptyRows(int NumberOfRows);

/// NumberOfRows rows of "0000000000000000" (no player) joined together; ""
/// for 0 or less, at most 16 rows as for EmptyRows.
std::string ZeroRows(int NumberOfRows);

/// The position string of an entry (index 0 "Standard", 1 "Quadrant",
/// 2 "Castling test") with its armies rowShift (0..2) ranks in from the
/// edges: always 256 characters, or "" for an index or shift out of range,
/// which callers treat as "nothing to set".
std::string CataloguePosition(int startPositionIndex, int rowShift);

/// The players string of an entry for 1, 2 or 4 players per team, laid out
/// as CataloguePosition: always 256 characters, or "" for an index, shift or
/// player count out of range, which callers treat as "nothing to set".
std::string CataloguePlayers(int startPositionIndex, int rowShift, int playersPerTeam);

} // namespace catalogue
