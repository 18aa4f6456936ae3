// The computer player's tables as a new search object holds them: each table
// against the rule it was written from, quoted rows, sums, and the
// cross-checks between tables that a search relies on.

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <functional>
#include <memory>
#include <numeric>
#include <string>
#include <vector>

#include "veltanbrdThread.h"

namespace {

using T = TVeltanbrdThread;
using SquareTable = T::SquareTable;
using TableMember = const SquareTable T::*;

constexpr int Rows = 16;
constexpr int Columns = 16;

int At(const SquareTable& table, int row, int column)
{
    return table[row * Columns + column];
}

class ThreadTables : public ::testing::Test {
protected:
    // The object is far too large for the stack.
    const std::unique_ptr<const T> thread = std::make_unique<T>();
};

// ---- Every entry of a square table against its rule ------------------------

// The centre rings of the minor-piece and end-game king tables, for the
// 12 x 12 block of rows and columns 2..13: by distance from the board's
// centre point, counted in half squares.
int CentreRing(int row, int column)
{
    const int distance = std::max(std::abs(2 * row - 15), std::abs(2 * column - 15));
    switch (distance) {
    case 1:
        return 12;
    case 3:
        return 10;
    case 5:
        return 8;
    case 7:
        return 5;
    default:
        return 0;
    }
}

int PawnRule(int row, int column)
{
    if (row >= 1 && row <= 11)
        return (12 - row) * std::min(column + 1, 16 - column);
    const bool centreFile = column >= 6 && column <= 9;
    if (centreFile && row == 12)
        return -20;
    if (centreFile && row == 13)
        return -30;
    if (centreFile && row == 14)
        return -40;
    return 0;
}

int ShelterRule(int row, int column, std::vector<int> columns)
{
    static const std::vector<int> ByRow{5, 10, 20, 30, 40, 50, 60};
    const bool inColumns = std::find(columns.begin(), columns.end(), column) != columns.end();
    return row >= 8 && row <= 14 && inColumns ? ByRow[row - 8] : 0;
}

int MinorRule(int row, int column)
{
    if (row == 0 || row == 14)
        return -20;
    if (row == 15)
        return -40;
    if (column == 0 || column == 15)
        return -20;
    if (row == 1 || column == 1 || column == 14)
        return -10;
    return CentreRing(row, column);
}

int KingRule(int row, int column)
{
    static const std::vector<int> HomeRow{-20, 0, 20, -40, 0, -40, 20, 0};
    if (row <= 11)
        return -60;
    if (row == 12 || row == 14)
        return -40;
    return HomeRow[column % 8];
}

int EndgameKingRule(int row, int column)
{
    if (row == 0 || row == 15)
        return -10;
    if (row == 1 || row == 14)
        return -5;
    if (column == 0 || column == 15)
        return -10;
    if (column == 1 || column == 14)
        return -5;
    if (row == 8 && column == 7)
        return 10; // the one entry that breaks the rings' symmetry
    return CentreRing(row, column);
}

struct RuleCase {
    const char* name;
    TableMember table;
    std::function<int(int row, int column)> rule;
};

TEST_F(ThreadTables, EveryEntryFollowsItsRule)
{
    const std::vector<RuleCase> cases{
        {"pawn_pcsq", &T::pawn_pcsq, PawnRule},
        {"kingside_pawn_pcsq", &T::kingside_pawn_pcsq,
         [](int r, int c) {
             return ShelterRule(r, c, {5, 6, 7, 13, 14, 15});
         }},
        {"queenside_pawn_pcsq", &T::queenside_pawn_pcsq,
         [](int r, int c) {
             return ShelterRule(r, c, {0, 1, 2, 8, 9, 10});
         }},
        {"minor_pcsq", &T::minor_pcsq, MinorRule},
        {"king_pcsq", &T::king_pcsq, KingRule},
        {"endgame_king_pcsq", &T::endgame_king_pcsq, EndgameKingRule},
        {"flip", &T::flip, [](int r, int c) { return (15 - r) * 16 + c; }},
        {"mailbox256", &T::mailbox256, [](int r, int c) { return 37 + r * 16 + c; }},
        {"init_color", &T::init_color, [](int r, int) { return r <= 3    ? 1
                                                               : r >= 12 ? 0
                                                                         : 6; }},
        {"init_piece", &T::init_piece,
         [](int r, int c) {
             static const std::vector<int> BackRow{3, 1, 2, 4, 5, 2, 1, 3};
             if (r == 0 || r == 2 || r == 13 || r == 15)
                 return BackRow[c % 8];
             if (r == 1 || r == 3 || r == 12 || r == 14)
                 return 0;
             return 6;
         }},
    };
    for (const RuleCase& c : cases) {
        const SquareTable& table = (*thread).*c.table;
        for (int row = 0; row < Rows; ++row)
            for (int column = 0; column < Columns; ++column)
                EXPECT_EQ(At(table, row, column), c.rule(row, column))
                    << c.name << " row " << row << " column " << column;
    }
}

// ---- Rows quoted in full, and sums -----------------------------------------

struct RowCase {
    const char* name;
    TableMember table;
    int row;
    std::vector<int> values;
};

TEST_F(ThreadTables, QuotedRowsReadAsWritten)
{
    const std::vector<RowCase> cases{
        {"pawn_pcsq", &T::pawn_pcsq, 1, {11, 22, 33, 44, 55, 66, 77, 88, 88, 77, 66, 55, 44, 33, 22, 11}},
        {"pawn_pcsq", &T::pawn_pcsq, 11, {1, 2, 3, 4, 5, 6, 7, 8, 8, 7, 6, 5, 4, 3, 2, 1}},
        {"pawn_pcsq", &T::pawn_pcsq, 14, {0, 0, 0, 0, 0, 0, -40, -40, -40, -40, 0, 0, 0, 0, 0, 0}},
        {"minor_pcsq", &T::minor_pcsq, 7, {-20, -10, 0, 0, 5, 8, 10, 12, 12, 10, 8, 5, 0, 0, -10, -20}},
        {"king_pcsq", &T::king_pcsq, 13, {-20, 0, 20, -40, 0, -40, 20, 0, -20, 0, 20, -40, 0, -40, 20, 0}},
        {"king_pcsq", &T::king_pcsq, 15, {-20, 0, 20, -40, 0, -40, 20, 0, -20, 0, 20, -40, 0, -40, 20, 0}},
        {"endgame_king_pcsq",
         &T::endgame_king_pcsq,
         7,
         {-10, -5, 0, 0, 5, 8, 10, 12, 12, 10, 8, 5, 0, 0, -5, -10}},
        {"endgame_king_pcsq",
         &T::endgame_king_pcsq,
         8,
         {-10, -5, 0, 0, 5, 8, 10, 10, 12, 10, 8, 5, 0, 0, -5, -10}},
        {"init_piece", &T::init_piece, 15, {3, 1, 2, 4, 5, 2, 1, 3, 3, 1, 2, 4, 5, 2, 1, 3}},
    };
    for (const RowCase& c : cases) {
        const SquareTable& table = (*thread).*c.table;
        const std::vector<int> row(table.begin() + c.row * Columns, table.begin() + (c.row + 1) * Columns);
        EXPECT_EQ(row, c.values) << c.name << " row " << c.row;
    }
}

struct SumCase {
    const char* name;
    TableMember table;
    int sum;
};

TEST_F(ThreadTables, SumsMatchTheTunedTotals)
{
    const std::vector<SumCase> cases{
        {"pawn_pcsq", &T::pawn_pcsq, 4392},
        {"kingside_pawn_pcsq", &T::kingside_pawn_pcsq, 1290},
        {"queenside_pawn_pcsq", &T::queenside_pawn_pcsq, 1290},
        {"minor_pcsq", &T::minor_pcsq, -1712},
        {"king_pcsq", &T::king_pcsq, -13040},
        {"endgame_king_pcsq", &T::endgame_king_pcsq, -374},
    };
    for (const SumCase& c : cases) {
        const SquareTable& table = (*thread).*c.table;
        EXPECT_EQ(std::accumulate(table.begin(), table.end(), 0), c.sum) << c.name;
    }
}

// ---- Board maps ---------------------------------------------------------------

TEST_F(ThreadTables, FlipMirrorsRowsAndUndoesItself)
{
    for (int i = 0; i < SquareCount; ++i) {
        const int mirrored = thread->flip[i];
        ASSERT_GE(mirrored, 0);
        ASSERT_LT(mirrored, SquareCount);
        EXPECT_EQ(thread->flip[mirrored], i) << "square " << i;
        EXPECT_EQ(mirrored % Columns, i % Columns) << "square " << i;
    }
    EXPECT_EQ(thread->flip[0], 240);
    EXPECT_EQ(thread->flip[255], 15);
}

TEST_F(ThreadTables, MailboxHasFourGuardedRowsThenARemainder)
{
    std::vector<int> expected(37, -1);
    for (int start : {0, 16, 32, 48}) {
        for (int square = start; square < start + 16; ++square)
            expected.push_back(square);
        expected.insert(expected.end(), {-1, -1});
    }
    for (int square = 64; square <= 74; ++square)
        expected.push_back(square);
    ASSERT_EQ(expected.size(), thread->mailbox.size());
    EXPECT_EQ(std::vector<int>(thread->mailbox.begin(), thread->mailbox.end()), expected);

    // Each number names one entry: a search looking a square up finds it once.
    for (int square = 0; square <= 74; ++square)
        EXPECT_EQ(std::count(thread->mailbox.begin(), thread->mailbox.end(), square), 1) << square;
    EXPECT_EQ(std::count(thread->mailbox.begin(), thread->mailbox.end(), -1), 120 - 75);
}

// ---- Castling rights -----------------------------------------------------------

struct CastleCase {
    int row;
    int column;
    int clearedBits;
};

constexpr int Bit(int n)
{
    return 1 << n;
}

TEST_F(ThreadTables, CastleMaskClearsTheRightsOfTheMovedKingOrRook)
{
    const std::vector<CastleCase> cases{
        {0, 0, Bit(9)},  {0, 4, Bit(8) | Bit(9)},    {0, 7, Bit(8)},
        {0, 8, Bit(13)}, {0, 12, Bit(12) | Bit(13)}, {0, 15, Bit(12)},
        {2, 0, Bit(11)}, {2, 4, Bit(10) | Bit(11)},  {2, 7, Bit(10)},
        {2, 8, Bit(15)}, {2, 12, Bit(14) | Bit(15)}, {2, 15, Bit(14)},
        {13, 0, Bit(3)}, {13, 4, Bit(2) | Bit(3)},   {13, 7, Bit(2)},
        {13, 8, Bit(7)}, {13, 12, Bit(6) | Bit(7)},  {13, 15, Bit(6)},
        {15, 0, Bit(1)}, {15, 4, Bit(0) | Bit(1)},   {15, 7, Bit(0)},
        {15, 8, Bit(5)}, {15, 12, Bit(4) | Bit(5)},  {15, 15, Bit(4)},
    };
    SquareTable expected{};
    expected.fill(0xFFFF);
    for (const CastleCase& c : cases)
        expected[c.row * Columns + c.column] = 0xFFFF & ~c.clearedBits;
    for (int i = 0; i < SquareCount; ++i)
        EXPECT_EQ(thread->castle_mask[i], expected[i]) << "row " << i / Columns << " column " << i % Columns;
}

TEST_F(ThreadTables, CastleMaskAgreesWithTheStartArrangement)
{
    std::vector<int> squaresClearing(16, 0);
    for (int i = 0; i < SquareCount; ++i) {
        const int cleared = 0xFFFF & ~thread->castle_mask[i];
        if (cleared == 0)
            continue;
        const int kind = thread->init_piece[i];
        EXPECT_TRUE(kind == T::RookCode || kind == T::KingCode) << "square " << i;
        EXPECT_EQ(std::popcount(static_cast<unsigned>(cleared)), kind == T::KingCode ? 2 : 1)
            << "square " << i;
        for (int bit = 0; bit < 16; ++bit)
            if (cleared & Bit(bit))
                ++squaresClearing[bit];
    }
    // Every right belongs to exactly one rook and its king.
    for (int bit = 0; bit < 16; ++bit)
        EXPECT_EQ(squaresClearing[bit], 2) << "bit " << bit;
}

// ---- Piece data ------------------------------------------------------------------

TEST_F(ThreadTables, PieceDataPerKind)
{
    struct KindCase {
        int kind;
        char letter;
        bool slides;
        int value;
        std::vector<int> directions;
    };
    const std::vector<KindCase> cases{
        {T::PawnCode, 'P', false, 100, {0, 0, 0, 0, 0, 0, 0, 0}},
        {T::KnightCode, 'N', false, 300, {-21, -19, -12, -8, 8, 12, 19, 21}},
        {T::BishopCode, 'B', true, 300, {-11, -9, 9, 11, 0, 0, 0, 0}},
        {T::RookCode, 'R', true, 500, {-10, -1, 1, 10, 0, 0, 0, 0}},
        {T::QueenCode, 'Q', true, 900, {-11, -10, -9, -1, 1, 9, 10, 11}},
        {T::KingCode, 'K', false, 10000, {-11, -10, -9, -1, 1, 9, 10, 11}},
    };
    for (const KindCase& c : cases) {
        const auto& row = thread->offset[c.kind];
        EXPECT_EQ(thread->piece_AnsiChar[c.kind], c.letter) << c.kind;
        EXPECT_EQ(thread->slide[c.kind], c.slides) << c.kind;
        EXPECT_EQ(thread->value[c.kind], c.value) << c.kind;
        EXPECT_EQ(std::vector<int>(row.begin(), row.end()), c.directions) << c.kind;
        // A search walks offset[kind][0 .. offsets[kind]): that prefix must be
        // exactly the real directions.
        const int used = thread->offsets[c.kind];
        EXPECT_EQ(std::count(row.begin(), row.begin() + used, 0), 0) << c.kind;
        EXPECT_EQ(std::count(row.begin() + used, row.end(), 0), T::MaxDirections - used) << c.kind;
    }
    EXPECT_EQ(thread->piece_AnsiChar[T::EmptyCode], 'E');
}

TEST_F(ThreadTables, StartArrangementHasEightArmies)
{
    int kings = 0;
    for (int i = 0; i < SquareCount; ++i) {
        const bool empty = thread->init_piece[i] == T::EmptyCode;
        EXPECT_EQ(empty, thread->init_color[i] == T::EmptyColor) << "square " << i;
        if (thread->init_piece[i] == T::KingCode) {
            ++kings;
            EXPECT_TRUE(i % Columns == 4 || i % Columns == 12) << "square " << i;
        }
    }
    EXPECT_EQ(kings, 8);
}

// ---- A new object: empty state, no links, no search ------------------------------

TEST_F(ThreadTables, SearchStateStartsEmpty)
{
    const auto allZero = [](const auto& range) {
        return std::all_of(range.begin(), range.end(), [](auto v) { return v == 0; });
    };
    EXPECT_TRUE(allZero(thread->pcsq));
    EXPECT_TRUE(allZero(thread->color));
    EXPECT_TRUE(allZero(thread->piece));
    EXPECT_TRUE(allZero(thread->gen_dat));
    EXPECT_TRUE(allZero(thread->gen_begin));
    EXPECT_TRUE(allZero(thread->gen_end));
    EXPECT_TRUE(allZero(thread->hist_dat));
    EXPECT_TRUE(allZero(thread->pv_length));
    EXPECT_TRUE(std::all_of(thread->history.begin(), thread->history.end(), allZero));
    EXPECT_TRUE(std::all_of(thread->pv.begin(), thread->pv.end(), allZero));
    for (int field : {thread->MaxTeamPlayers, thread->side, thread->xside, thread->castle, thread->fifty,
                      thread->ply, thread->nodes})
        EXPECT_EQ(field, 0);
    EXPECT_FALSE(thread->follow_pv);
}

TEST(ThreadLinks, StartUnlinkedAndExecuteLeavesEverythingAlone)
{
    const auto thread = std::make_unique<T>();
    EXPECT_FALSE(thread->Thinking);
    EXPECT_FALSE(thread->StopThinkingNow);
    EXPECT_EQ(thread->WhiteToMove, nullptr);
    EXPECT_EQ(thread->ComputerPlaysWhite, nullptr);
    EXPECT_EQ(thread->ComputerPlaysBlack, nullptr);
    EXPECT_EQ(thread->position, nullptr);
    EXPECT_EQ(thread->SearchDepth, nullptr);
    EXPECT_FALSE(thread->MoveFunc);
    EXPECT_FALSE(thread->EndFunc);

    int movesAsked = 0;
    int endsTold = 0;
    thread->MoveFunc = [&](Square, Square) {
        ++movesAsked;
        return true;
    };
    thread->EndFunc = [&](TVeltanBrdKernel&) { ++endsTold; };
    thread->Execute();
    EXPECT_EQ(movesAsked, 0);
    EXPECT_EQ(endsTold, 0);
    EXPECT_FALSE(thread->Thinking);
    EXPECT_EQ(thread->nodes, 0);
}

} // namespace
