// The catalogue keeps only the two four-row blocks of each entry; the blank
// rows around them follow from the row shift, so one frame builds all 27
// combinations and every string comes out 256 characters long.

#include "startPositionCatalogue.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace catalogue {

namespace {

constexpr int BlockRows = 4;
constexpr int BoardRows = BoardLength / RowLength;

// Black's four rows, then White's four rows, each from the top of the board.
using Blocks = std::array<std::string_view, 2 * BlockRows>;

struct Entry {
    Blocks position;
    std::array<Blocks, 3> players; // for 1, 2 and 4 players per team
};

// clang-format off
constexpr std::array<Entry, EntryCount> Entries{{
    // "Standard": four armies per team interleaved file by file, kings on files I and J.
    {{"rrnnbbqqkkbbnnrr", "rrnnbbqqkkbbnnrr", "pppppppppppppppp", "pppppppppppppppp",
      "PPPPPPPPPPPPPPPP", "PPPPPPPPPPPPPPPP", "RRNNBBQQKKBBNNRR", "RRNNBBQQKKBBNNRR"},
     {{{"1111111111111111", "1111111111111111", "1111111111111111", "1111111111111111",
        "1111111111111111", "1111111111111111", "1111111111111111", "1111111111111111"},
       {"2222222222222222", "1111111111111111", "2222222222222222", "1111111111111111",
        "1111111111111111", "2222222222222222", "1111111111111111", "2222222222222222"},
       {"2424242424242424", "1313131313131313", "2424242424242424", "1313131313131313",
        "3131313131313131", "4242424242424242", "3131313131313131", "4242424242424242"}}}},
    // "Quadrant": an outer and an inner ordinary army on each half of the board.
    {{"rnbqkbnrrnbqkbnr", "pppppppppppppppp", "rnbqkbnrrnbqkbnr", "pppppppppppppppp",
      "PPPPPPPPPPPPPPPP", "RNBQKBNRRNBQKBNR", "PPPPPPPPPPPPPPPP", "RNBQKBNRRNBQKBNR"},
     {{{"1111111111111111", "1111111111111111", "1111111111111111", "1111111111111111",
        "1111111111111111", "1111111111111111", "1111111111111111", "1111111111111111"},
       {"1111111122222222", "1111111122222222", "1111111122222222", "1111111122222222",
        "2222222211111111", "2222222211111111", "2222222211111111", "2222222211111111"},
       {"3333333344444444", "3333333344444444", "1111111122222222", "1111111122222222",
        "2222222211111111", "2222222211111111", "4444444433333333", "4444444433333333"}}}},
    // "Castling test": rooks and kings only on the back rows, with a queen of
    // the other side in each pawn wall. The players rows leave the same
    // squares blank as the position rows.
    {{"rr      kk    rr", "rr      kk    rr", "ppppppp pppppppp", "pppppppQpppppppp",
      "PPPPPPPqPPPPPPPP", "PPPPPPP PPPPPPPP", "RR      KK    RR", "RR      KK    RR"},
     {{{"11      11    11", "11      11    11", "1111111 11111111", "1111111111111111",
        "1111111111111111", "1111111 11111111", "11      11    11", "11      11    11"},
       {"11      12    22", "11      12    22", "1111111 22222222", "1111111122222222",
        "1111111122222222", "1111111 22222222", "11      12    22", "11      12    22"},
       {"32      23    32", "14      41    14", "4343434 43434343", "2121212121212121",
        "1212121212121212", "3434343 34343434", "14      41    14", "32      23    32"}}}},
}};
// clang-format on

constexpr bool AllRowsAreFullLength()
{
    const auto full = [](const Blocks& blocks) {
        return std::all_of(blocks.begin(), blocks.end(),
                           [](std::string_view row) { return row.size() == RowLength; });
    };
    return std::all_of(Entries.begin(), Entries.end(), [&](const Entry& entry) {
        return full(entry.position) && std::all_of(entry.players.begin(), entry.players.end(), full);
    });
}
static_assert(AllRowsAreFullLength(), "every catalogue row covers the 16 files");

std::string Repeated(std::string_view row, int count)
{
    std::string rows;
    const int bounded = std::clamp(count, 0, BoardRows);
    rows.reserve(static_cast<std::size_t>(bounded) * row.size());
    for (int i = 0; i < bounded; ++i)
        rows += row;
    return rows;
}

// s filler rows, Black's block, 8 - 2s filler rows, White's block, s filler rows.
std::string Framed(const Blocks& blocks, int rowShift, std::string (*filler)(int))
{
    std::string board = filler(rowShift);
    for (int i = 0; i < BlockRows; ++i)
        board += blocks[i];
    board += filler(BoardRows - 2 * BlockRows - 2 * rowShift);
    for (int i = BlockRows; i < 2 * BlockRows; ++i)
        board += blocks[i];
    board += filler(rowShift);
    return board;
}

bool ValidChoice(int startPositionIndex, int rowShift)
{
    return startPositionIndex >= 0 && startPositionIndex < EntryCount && rowShift >= 0 &&
           rowShift <= MaxRowShift;
}

// Position in the players tables of 1, 2 or 4 players per team; -1 otherwise.
int PlayersColumn(int playersPerTeam)
{
    switch (playersPerTeam) {
    case 1:
        return 0;
    case 2:
        return 1;
    case 4:
        return 2;
    default:
        return -1;
    }
}

} // namespace

std::string EmptyRows(int NumberOfRows)
{
    return Repeated("                ", NumberOfRows);
}

std::string ZeroRows(int NumberOfRows)
{
    return Repeated("0000000000000000", NumberOfRows);
}

std::string CataloguePosition(int startPositionIndex, int rowShift)
{
    if (!ValidChoice(startPositionIndex, rowShift))
        return {};
    return Framed(Entries[startPositionIndex].position, rowShift, EmptyRows);
}

std::string CataloguePlayers(int startPositionIndex, int rowShift, int playersPerTeam)
{
    const int column = PlayersColumn(playersPerTeam);
    if (!ValidChoice(startPositionIndex, rowShift) || column < 0)
        return {};
    return Framed(Entries[startPositionIndex].players[column], rowShift, ZeroRows);
}

} // namespace catalogue
