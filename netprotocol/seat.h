#pragma once
// The seats of an online game: player 1 to 4 of White or of Black, written
// "white-1" .. "black-4". Player k of a team moves the pieces of player k.

#include <QString>
#include <QStringView>
#include <optional>

namespace net {

/// Most players a team has, so most seats a team offers.
inline constexpr int MaxPlayersPerTeam = 4;
/// Seats of a game with four players a team.
inline constexpr int MaxSeats = 2 * MaxPlayersPerTeam;

/// One seat: a team and a player number 1..MaxPlayersPerTeam.
struct TSeat {
    bool white = true;
    int player = 1;
    friend bool operator==(const TSeat&, const TSeat&) = default;
};

/// "white-1" .. "black-4".
QString SeatName(TSeat seat);
/// Reads a seat's name; nothing for any other text.
std::optional<TSeat> ReadSeat(QStringView name);
/// 0..MaxSeats-1, White's seats first: a seat's place in arrays of seats.
int SeatIndex(TSeat seat);
/// The seat at an index of SeatIndex (0..MaxSeats-1).
TSeat SeatAt(int index);
/// "white" or "black".
QString TeamName(bool white);
/// Reads "white" or "black"; nothing for any other text.
std::optional<bool> ReadTeam(QStringView name);

} // namespace net
