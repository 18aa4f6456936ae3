// The start-position catalogue read rank by rank: every entry, row shift and
// number of players against the entry tables, the blank and zero rows around
// the armies, the rules the board relies on (each piece has a player, each
// player a king), and the refusal of choices the dialog does not offer.

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <string>
#include <utility>
#include <vector>

#include "startPositionCatalogue.h"

namespace {

using catalogue::CataloguePlayers;
using catalogue::CataloguePosition;
using catalogue::EmptyRows;
using catalogue::ZeroRows;

const std::string BlankRow(16, ' ');
const std::string ZeroRow(16, '0');

// One row of an entry as the dialog's tables list it: the pieces and the
// players row for 1, 2 and 4 players per team.
struct BlockRow {
    std::string position;
    std::array<std::string, 3> players;
};

// Black's rows from rank 16 - s down, then White's from rank 4 + s down.
struct EntryCase {
    const char* name;
    int index;
    std::array<BlockRow, 8> rows;
};

const std::vector<EntryCase>& Entries()
{
    static const std::vector<EntryCase> entries{
        {"Standard",
         0,
         {{
             {"rrnnbbqqkkbbnnrr", {"1111111111111111", "2222222222222222", "2424242424242424"}},
             {"rrnnbbqqkkbbnnrr", {"1111111111111111", "1111111111111111", "1313131313131313"}},
             {"pppppppppppppppp", {"1111111111111111", "2222222222222222", "2424242424242424"}},
             {"pppppppppppppppp", {"1111111111111111", "1111111111111111", "1313131313131313"}},
             {"PPPPPPPPPPPPPPPP", {"1111111111111111", "1111111111111111", "3131313131313131"}},
             {"PPPPPPPPPPPPPPPP", {"1111111111111111", "2222222222222222", "4242424242424242"}},
             {"RRNNBBQQKKBBNNRR", {"1111111111111111", "1111111111111111", "3131313131313131"}},
             {"RRNNBBQQKKBBNNRR", {"1111111111111111", "2222222222222222", "4242424242424242"}},
         }}},
        {"Quadrant",
         1,
         {{
             {"rnbqkbnrrnbqkbnr", {"1111111111111111", "1111111122222222", "3333333344444444"}},
             {"pppppppppppppppp", {"1111111111111111", "1111111122222222", "3333333344444444"}},
             {"rnbqkbnrrnbqkbnr", {"1111111111111111", "1111111122222222", "1111111122222222"}},
             {"pppppppppppppppp", {"1111111111111111", "1111111122222222", "1111111122222222"}},
             {"PPPPPPPPPPPPPPPP", {"1111111111111111", "2222222211111111", "2222222211111111"}},
             {"RNBQKBNRRNBQKBNR", {"1111111111111111", "2222222211111111", "2222222211111111"}},
             {"PPPPPPPPPPPPPPPP", {"1111111111111111", "2222222211111111", "4444444433333333"}},
             {"RNBQKBNRRNBQKBNR", {"1111111111111111", "2222222211111111", "4444444433333333"}},
         }}},
        {"Castling test",
         2,
         {{
             {"rr      kk    rr", {"11      11    11", "11      12    22", "32      23    32"}},
             {"rr      kk    rr", {"11      11    11", "11      12    22", "14      41    14"}},
             {"ppppppp pppppppp", {"1111111 11111111", "1111111 22222222", "4343434 43434343"}},
             {"pppppppQpppppppp", {"1111111111111111", "1111111122222222", "2121212121212121"}},
             {"PPPPPPPqPPPPPPPP", {"1111111111111111", "1111111122222222", "1212121212121212"}},
             {"PPPPPPP PPPPPPPP", {"1111111 11111111", "1111111 22222222", "3434343 34343434"}},
             {"RR      KK    RR", {"11      11    11", "11      12    22", "14      41    14"}},
             {"RR      KK    RR", {"11      11    11", "11      12    22", "32      23    32"}},
         }}},
    };
    return entries;
}

constexpr std::array<int, 3> PlayerCounts{1, 2, 4};
constexpr std::array<int, 3> RowShifts{0, 1, 2};

// The 16 characters of a rank (16 at the top of the string, 1 at the end).
std::string Rank(const std::string& board, int rank)
{
    return board.substr(static_cast<std::size_t>(16 - rank) * 16, 16);
}

// Rank of block row k (0..7) of an entry for row shift s.
int RankOfBlockRow(int k, int s)
{
    return k < 4 ? 16 - s - k : 4 + s - (k - 4);
}

// ---- Every combination against the entry tables -------------------------------

TEST(CatalogueEntries, BlocksStandOnTheirRanksWithBlankRowsAround)
{
    for (const EntryCase& entry : Entries()) {
        for (const int shift : RowShifts) {
            const std::string position = CataloguePosition(entry.index, shift);
            ASSERT_EQ(position.size(), 256u) << entry.name << " shift " << shift;

            std::vector<bool> inBlock(17, false);
            for (int k = 0; k < 8; ++k) {
                const int rank = RankOfBlockRow(k, shift);
                inBlock[rank] = true;
                EXPECT_EQ(Rank(position, rank), entry.rows[k].position)
                    << entry.name << " shift " << shift << " rank " << rank;
            }
            for (int rank = 1; rank <= 16; ++rank)
                if (!inBlock[rank]) {
                    EXPECT_EQ(Rank(position, rank), BlankRow)
                        << entry.name << " shift " << shift << " rank " << rank;
                }

            for (std::size_t p = 0; p < PlayerCounts.size(); ++p) {
                const int players = PlayerCounts[p];
                const std::string owners = CataloguePlayers(entry.index, shift, players);
                ASSERT_EQ(owners.size(), 256u) << entry.name << " shift " << shift << " players " << players;
                for (int rank = 1; rank <= 16; ++rank) {
                    std::string expected = ZeroRow;
                    for (int k = 0; k < 8; ++k)
                        if (RankOfBlockRow(k, shift) == rank)
                            expected = entry.rows[k].players[p];
                    EXPECT_EQ(Rank(owners, rank), expected)
                        << entry.name << " shift " << shift << " players " << players << " rank " << rank;
                }
            }
        }
    }
}

TEST(CatalogueEntries, StandardShiftOneForFourPlayersReadsInFull)
{
    const std::vector<std::pair<std::string, std::string>> ranks{
        {"                ", "0000000000000000"}, // 16
        {"rrnnbbqqkkbbnnrr", "2424242424242424"}, // 15
        {"rrnnbbqqkkbbnnrr", "1313131313131313"}, // 14
        {"pppppppppppppppp", "2424242424242424"}, // 13
        {"pppppppppppppppp", "1313131313131313"}, // 12
        {"                ", "0000000000000000"}, // 11
        {"                ", "0000000000000000"}, // 10
        {"                ", "0000000000000000"}, // 09
        {"                ", "0000000000000000"}, // 08
        {"                ", "0000000000000000"}, // 07
        {"                ", "0000000000000000"}, // 06
        {"PPPPPPPPPPPPPPPP", "3131313131313131"}, // 05
        {"PPPPPPPPPPPPPPPP", "4242424242424242"}, // 04
        {"RRNNBBQQKKBBNNRR", "3131313131313131"}, // 03
        {"RRNNBBQQKKBBNNRR", "4242424242424242"}, // 02
        {"                ", "0000000000000000"}, // 01
    };
    std::string position;
    std::string players;
    for (const auto& [pieces, owners] : ranks) {
        position += pieces;
        players += owners;
    }
    EXPECT_EQ(CataloguePosition(0, 1), position);
    EXPECT_EQ(CataloguePlayers(0, 1, 4), players);
}

struct RankCase {
    int index;
    int shift;
    int players;
    int rank;
    std::string position;
    std::string owners;
};

TEST(CatalogueEntries, RanksNamedForTheRowShifts)
{
    const std::vector<RankCase> cases{
        // Shift 0: the armies on ranks 16-13 and 4-1, eight empty ranks between.
        {0, 0, 1, 16, "rrnnbbqqkkbbnnrr", "1111111111111111"},
        {0, 0, 1, 13, "pppppppppppppppp", "1111111111111111"},
        {0, 0, 1, 12, BlankRow, ZeroRow},
        {0, 0, 1, 5, BlankRow, ZeroRow},
        {0, 0, 1, 4, "PPPPPPPPPPPPPPPP", "1111111111111111"},
        {0, 0, 1, 1, "RRNNBBQQKKBBNNRR", "1111111111111111"},
        // Shift 2: ranks 14-11 and 6-3, two empty ranks at each edge.
        {1, 2, 4, 16, BlankRow, ZeroRow},
        {1, 2, 4, 15, BlankRow, ZeroRow},
        {1, 2, 4, 14, "rnbqkbnrrnbqkbnr", "3333333344444444"},
        {1, 2, 4, 11, "pppppppppppppppp", "1111111122222222"},
        {1, 2, 4, 10, BlankRow, ZeroRow},
        {1, 2, 4, 7, BlankRow, ZeroRow},
        {1, 2, 4, 6, "PPPPPPPPPPPPPPPP", "2222222211111111"},
        {1, 2, 4, 3, "RNBQKBNRRNBQKBNR", "4444444433333333"},
        {1, 2, 4, 2, BlankRow, ZeroRow},
        {1, 2, 4, 1, BlankRow, ZeroRow},
        // "Castling test", shift 1, two players: the blank runs are exact.
        {2, 1, 2, 15, "rr      kk    rr", "11      12    22"},
        {2, 1, 2, 13, "ppppppp pppppppp", "1111111 22222222"},
        {2, 1, 2, 12, "pppppppQpppppppp", "1111111122222222"},
        {2, 1, 2, 5, "PPPPPPPqPPPPPPPP", "1111111122222222"},
        {2, 1, 2, 2, "RR      KK    RR", "11      12    22"},
    };
    for (const RankCase& c : cases) {
        EXPECT_EQ(Rank(CataloguePosition(c.index, c.shift), c.rank), c.position)
            << "entry " << c.index << " shift " << c.shift << " rank " << c.rank;
        EXPECT_EQ(Rank(CataloguePlayers(c.index, c.shift, c.players), c.rank), c.owners)
            << "entry " << c.index << " shift " << c.shift << " players " << c.players << " rank " << c.rank;
    }
}

// ---- What the board relies on -------------------------------------------------

bool IsPiece(char c)
{
    return std::string("PNBRQKpnbrqk").find(c) != std::string::npos;
}

TEST(CatalogueEntries, EveryPieceHasAPlayerAndEveryPlayerAKing)
{
    for (const EntryCase& entry : Entries()) {
        for (const int shift : RowShifts) {
            const std::string position = CataloguePosition(entry.index, shift);
            for (const int players : PlayerCounts) {
                const std::string owners = CataloguePlayers(entry.index, shift, players);
                ASSERT_EQ(owners.size(), position.size());
                std::array<std::array<int, 5>, 2> kings{}; // [white][player]
                for (std::size_t i = 0; i < position.size(); ++i) {
                    const char piece = position[i];
                    const char owner = owners[i];
                    if (!IsPiece(piece)) {
                        // An empty square names no player ("Castling test" leaves it blank).
                        EXPECT_TRUE(owner == '0' || owner == ' ')
                            << entry.name << " shift " << shift << " players " << players << " square "
                            << i + 1;
                        continue;
                    }
                    ASSERT_TRUE(owner >= '1' && owner <= '0' + players)
                        << entry.name << " shift " << shift << " players " << players << " square " << i + 1;
                    if (piece == 'K' || piece == 'k')
                        ++kings[piece == 'K'][owner - '0'];
                }
                for (int white = 0; white <= 1; ++white)
                    for (int player = 1; player <= players; ++player)
                        EXPECT_GT(kings[white][player], 0)
                            << entry.name << " shift " << shift << " players " << players << " white "
                            << white << " player " << player;
            }
        }
    }
}

// ---- Row builders ----------------------------------------------------------------

struct RowsCase {
    int count;
    std::size_t rows;
};

TEST(RowBuilders, RepeatTheirRowAndNeverExceedABoard)
{
    const std::vector<RowsCase> cases{
        {INT_MIN, 0}, {-1, 0}, {0, 0}, {1, 1}, {2, 2}, {4, 4}, {16, 16}, {17, 16}, {INT_MAX, 16},
    };
    for (const RowsCase& c : cases) {
        const std::string blanks = EmptyRows(c.count);
        const std::string zeros = ZeroRows(c.count);
        EXPECT_EQ(blanks, std::string(16 * c.rows, ' ')) << c.count;
        EXPECT_EQ(zeros, std::string(16 * c.rows, '0')) << c.count;
    }
}

// ---- Choices the dialog does not offer ---------------------------------------------

struct InvalidCase {
    int index;
    int shift;
    int players;
};

TEST(CatalogueArguments, OutOfRangeChoicesGiveNothingToSet)
{
    const std::vector<InvalidCase> cases{
        {-1, 0, 1}, {3, 0, 1},       {INT_MAX, 0, 1}, {INT_MIN, 0, 1}, {0, -1, 1},
        {0, 3, 1},  {0, INT_MAX, 1}, {0, INT_MIN, 1}, {0, 0, 0},       {0, 0, 3},
        {0, 0, 5},  {0, 0, -1},      {0, 0, INT_MAX},
    };
    for (const InvalidCase& c : cases) {
        EXPECT_EQ(CataloguePlayers(c.index, c.shift, c.players), "")
            << c.index << " " << c.shift << " " << c.players;
        const bool positionChoiceValid = c.index >= 0 && c.index <= 2 && c.shift >= 0 && c.shift <= 2;
        EXPECT_EQ(CataloguePosition(c.index, c.shift).empty(), !positionChoiceValid)
            << c.index << " " << c.shift;
    }
}

} // namespace
