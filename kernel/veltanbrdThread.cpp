// Starting content of the computer player's tables. The piece-square tables
// are written out in full so that a tuning change shows up as a visible diff;
// the tables that follow a rule are built from it.

#include "veltanbrdThread.h"

namespace {

using SquareTable = TVeltanbrdThread::SquareTable;

constexpr int Columns = BoardSize;

// clang-format off
// Pawns gain for each step forward, most on the centre files; the home rows
// of the centre pawns cost, to get them moving.
constexpr SquareTable PawnTable = {
      0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,
     11,  22,  33,  44,  55,  66,  77,  88,  88,  77,  66,  55,  44,  33,  22,  11,
     10,  20,  30,  40,  50,  60,  70,  80,  80,  70,  60,  50,  40,  30,  20,  10,
      9,  18,  27,  36,  45,  54,  63,  72,  72,  63,  54,  45,  36,  27,  18,   9,
      8,  16,  24,  32,  40,  48,  56,  64,  64,  56,  48,  40,  32,  24,  16,   8,
      7,  14,  21,  28,  35,  42,  49,  56,  56,  49,  42,  35,  28,  21,  14,   7,
      6,  12,  18,  24,  30,  36,  42,  48,  48,  42,  36,  30,  24,  18,  12,   6,
      5,  10,  15,  20,  25,  30,  35,  40,  40,  35,  30,  25,  20,  15,  10,   5,
      4,   8,  12,  16,  20,  24,  28,  32,  32,  28,  24,  20,  16,  12,   8,   4,
      3,   6,   9,  12,  15,  18,  21,  24,  24,  21,  18,  15,  12,   9,   6,   3,
      2,   4,   6,   8,  10,  12,  14,  16,  16,  14,  12,  10,   8,   6,   4,   2,
      1,   2,   3,   4,   5,   6,   7,   8,   8,   7,   6,   5,   4,   3,   2,   1,
      0,   0,   0,   0,   0,   0, -20, -20, -20, -20,   0,   0,   0,   0,   0,   0,
      0,   0,   0,   0,   0,   0, -30, -30, -30, -30,   0,   0,   0,   0,   0,   0,
      0,   0,   0,   0,   0,   0, -40, -40, -40, -40,   0,   0,   0,   0,   0,   0,
      0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,
};

// Shelter for a king on the F-H or N-P side: pawns that stay near their home rows are worth most.
constexpr SquareTable KingsidePawnTable = {
      0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,
      0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,
      0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,
      0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,
      0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,
      0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,
      0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,
      0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,
      0,   0,   0,   0,   0,   5,   5,   5,   0,   0,   0,   0,   0,   5,   5,   5,
      0,   0,   0,   0,   0,  10,  10,  10,   0,   0,   0,   0,   0,  10,  10,  10,
      0,   0,   0,   0,   0,  20,  20,  20,   0,   0,   0,   0,   0,  20,  20,  20,
      0,   0,   0,   0,   0,  30,  30,  30,   0,   0,   0,   0,   0,  30,  30,  30,
      0,   0,   0,   0,   0,  40,  40,  40,   0,   0,   0,   0,   0,  40,  40,  40,
      0,   0,   0,   0,   0,  50,  50,  50,   0,   0,   0,   0,   0,  50,  50,  50,
      0,   0,   0,   0,   0,  60,  60,  60,   0,   0,   0,   0,   0,  60,  60,  60,
      0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,
};

// The same shelter for a king on the A-C or I-K side.
constexpr SquareTable QueensidePawnTable = {
      0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,
      0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,
      0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,
      0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,
      0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,
      0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,
      0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,
      0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,
      5,   5,   5,   0,   0,   0,   0,   0,   5,   5,   5,   0,   0,   0,   0,   0,
     10,  10,  10,   0,   0,   0,   0,   0,  10,  10,  10,   0,   0,   0,   0,   0,
     20,  20,  20,   0,   0,   0,   0,   0,  20,  20,  20,   0,   0,   0,   0,   0,
     30,  30,  30,   0,   0,   0,   0,   0,  30,  30,  30,   0,   0,   0,   0,   0,
     40,  40,  40,   0,   0,   0,   0,   0,  40,  40,  40,   0,   0,   0,   0,   0,
     50,  50,  50,   0,   0,   0,   0,   0,  50,  50,  50,   0,   0,   0,   0,   0,
     60,  60,  60,   0,   0,   0,   0,   0,  60,  60,  60,   0,   0,   0,   0,   0,
      0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,
};

// Knights and bishops belong in the centre; the rims and the home rows cost.
constexpr SquareTable MinorTable = {
    -20, -20, -20, -20, -20, -20, -20, -20, -20, -20, -20, -20, -20, -20, -20, -20,
    -20, -10, -10, -10, -10, -10, -10, -10, -10, -10, -10, -10, -10, -10, -10, -20,
    -20, -10,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0, -10, -20,
    -20, -10,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0, -10, -20,
    -20, -10,   0,   0,   5,   5,   5,   5,   5,   5,   5,   5,   0,   0, -10, -20,
    -20, -10,   0,   0,   5,   8,   8,   8,   8,   8,   8,   5,   0,   0, -10, -20,
    -20, -10,   0,   0,   5,   8,  10,  10,  10,  10,   8,   5,   0,   0, -10, -20,
    -20, -10,   0,   0,   5,   8,  10,  12,  12,  10,   8,   5,   0,   0, -10, -20,
    -20, -10,   0,   0,   5,   8,  10,  12,  12,  10,   8,   5,   0,   0, -10, -20,
    -20, -10,   0,   0,   5,   8,  10,  10,  10,  10,   8,   5,   0,   0, -10, -20,
    -20, -10,   0,   0,   5,   8,   8,   8,   8,   8,   8,   5,   0,   0, -10, -20,
    -20, -10,   0,   0,   5,   5,   5,   5,   5,   5,   5,   5,   0,   0, -10, -20,
    -20, -10,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0, -10, -20,
    -20, -10,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0, -10, -20,
    -20, -20, -20, -20, -20, -20, -20, -20, -20, -20, -20, -20, -20, -20, -20, -20,
    -40, -40, -40, -40, -40, -40, -40, -40, -40, -40, -40, -40, -40, -40, -40, -40,
};

// Middle-game king: off its home rows it is exposed, and on them some files
// are safer than others.
constexpr SquareTable KingTable = {
    -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60,
    -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60,
    -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60,
    -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60,
    -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60,
    -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60,
    -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60,
    -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60,
    -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60,
    -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60,
    -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60,
    -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60,
    -40, -40, -40, -40, -40, -40, -40, -40, -40, -40, -40, -40, -40, -40, -40, -40,
    -20,   0,  20, -40,   0, -40,  20,   0, -20,   0,  20, -40,   0, -40,  20,   0,
    -40, -40, -40, -40, -40, -40, -40, -40, -40, -40, -40, -40, -40, -40, -40, -40,
    -20,   0,  20, -40,   0, -40,  20,   0, -20,   0,  20, -40,   0, -40,  20,   0,
};

// End-game king: the centre, as for the minor pieces, but the rims cost less.
// Row 8 has 10 on column 7 where the other centre rows have 12; kept as tuned.
constexpr SquareTable EndgameKingTable = {
    -10, -10, -10, -10, -10, -10, -10, -10, -10, -10, -10, -10, -10, -10, -10, -10,
     -5,  -5,  -5,  -5,  -5,  -5,  -5,  -5,  -5,  -5,  -5,  -5,  -5,  -5,  -5,  -5,
    -10,  -5,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,  -5, -10,
    -10,  -5,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,  -5, -10,
    -10,  -5,   0,   0,   5,   5,   5,   5,   5,   5,   5,   5,   0,   0,  -5, -10,
    -10,  -5,   0,   0,   5,   8,   8,   8,   8,   8,   8,   5,   0,   0,  -5, -10,
    -10,  -5,   0,   0,   5,   8,  10,  10,  10,  10,   8,   5,   0,   0,  -5, -10,
    -10,  -5,   0,   0,   5,   8,  10,  12,  12,  10,   8,   5,   0,   0,  -5, -10,
    -10,  -5,   0,   0,   5,   8,  10,  10,  12,  10,   8,   5,   0,   0,  -5, -10,
    -10,  -5,   0,   0,   5,   8,  10,  10,  10,  10,   8,   5,   0,   0,  -5, -10,
    -10,  -5,   0,   0,   5,   8,   8,   8,   8,   8,   8,   5,   0,   0,  -5, -10,
    -10,  -5,   0,   0,   5,   5,   5,   5,   5,   5,   5,   5,   0,   0,  -5, -10,
    -10,  -5,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,  -5, -10,
    -10,  -5,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,  -5, -10,
     -5,  -5,  -5,  -5,  -5,  -5,  -5,  -5,  -5,  -5,  -5,  -5,  -5,  -5,  -5,  -5,
    -10, -10, -10, -10, -10, -10, -10, -10, -10, -10, -10, -10, -10, -10, -10, -10,
};
// clang-format on

// Per piece kind, pawn to king. The directions are steps on a board of 10
// columns: a search working on a wider map has to rescale them.
constexpr std::array<bool, TVeltanbrdThread::PieceKinds> SlideTable{false, false, true, true, true, false};
constexpr std::array<int, TVeltanbrdThread::PieceKinds> OffsetsTable{0, 8, 4, 4, 8, 8};
constexpr std::array<std::array<int, TVeltanbrdThread::MaxDirections>, TVeltanbrdThread::PieceKinds>
    OffsetTable{{
        {0, 0, 0, 0, 0, 0, 0, 0},
        {-21, -19, -12, -8, 8, 12, 19, 21},
        {-11, -9, 9, 11, 0, 0, 0, 0},
        {-10, -1, 1, 10, 0, 0, 0, 0},
        {-11, -10, -9, -1, 1, 9, 10, 11},
        {-11, -10, -9, -1, 1, 9, 10, 11},
    }};
constexpr std::array<int, TVeltanbrdThread::PieceKinds> ValueTable{100, 300, 300, 500, 900, 10000};
constexpr std::array<char, TVeltanbrdThread::PieceKinds + 1> PieceLetters{'P', 'N', 'B', 'R', 'Q', 'K', 'E'};

// Row r of a table read from the other side of the board is row 15 - r.
constexpr SquareTable MakeFlip()
{
    SquareTable table{};
    for (int i = 0; i < SquareCount; ++i)
        table[i] = (Columns - 1 - i / Columns) * Columns + i % Columns;
    return table;
}

// Four rows of 16 squares numbered from 0, each followed by two guard entries,
// behind 37 guards; the numbering stops where the 120 entries run out (74).
constexpr std::array<int, TVeltanbrdThread::MailboxSize> MakeMailbox()
{
    std::array<int, TVeltanbrdThread::MailboxSize> table{};
    table.fill(-1);
    constexpr int LeadingGuards = 37;
    constexpr int GuardsAfterRow = 2;
    int entry = LeadingGuards;
    for (int square = 0; entry < TVeltanbrdThread::MailboxSize; ++square) {
        table[entry++] = square;
        if (square % Columns == Columns - 1)
            entry += GuardsAfterRow;
    }
    return table;
}

constexpr SquareTable MakeMailbox256()
{
    SquareTable table{};
    for (int i = 0; i < SquareCount; ++i)
        table[i] = 37 + i;
    return table;
}

// The quadrant start has two armies on each of rows 0, 2, 13 and 15, one on
// columns 0-7 and one on columns 8-15. Each army owns two adjacent bits of
// castle: the higher one for its rook on the army's first column, the lower
// one for its rook on the last; moving the king loses both.
constexpr SquareTable MakeCastleMask()
{
    struct BackRow {
        int row;
        int leftArmyLowBit;
        int rightArmyLowBit;
    };
    constexpr std::array<BackRow, 4> BackRows{{{0, 8, 12}, {2, 10, 14}, {13, 2, 6}, {15, 0, 4}}};
    constexpr int AllRights = 0xFFFF;
    constexpr int ArmyWidth = 8;
    constexpr int KingColumn = 4;

    SquareTable table{};
    table.fill(AllRights);
    for (const BackRow& backRow : BackRows) {
        for (const int firstColumn : {0, ArmyWidth}) {
            const int lowBit = firstColumn == 0 ? backRow.leftArmyLowBit : backRow.rightArmyLowBit;
            const int lowRight = 1 << lowBit;
            const int highRight = 1 << (lowBit + 1);
            const int rowStart = backRow.row * Columns + firstColumn;
            table[rowStart] &= ~highRight;
            table[rowStart + KingColumn] &= ~(lowRight | highRight);
            table[rowStart + ArmyWidth - 1] &= ~lowRight;
        }
    }
    return table;
}

// Rows 0-3 hold one side, rows 12-15 the other, the middle is empty.
constexpr SquareTable MakeInitColor()
{
    SquareTable table{};
    for (int i = 0; i < SquareCount; ++i) {
        const int row = i / Columns;
        table[i] = row <= 3 ? 1 : row >= 12 ? 0 : TVeltanbrdThread::EmptyColor;
    }
    return table;
}

// Back rows 0, 2, 13 and 15 carry two armies' pieces each, the rows inside
// them their pawns.
constexpr SquareTable MakeInitPiece()
{
    using T = TVeltanbrdThread;
    constexpr std::array<int, 8> BackRank{T::RookCode, T::KnightCode, T::BishopCode, T::QueenCode,
                                          T::KingCode, T::BishopCode, T::KnightCode, T::RookCode};
    SquareTable table{};
    for (int i = 0; i < SquareCount; ++i) {
        const int row = i / Columns;
        if (row == 0 || row == 2 || row == 13 || row == 15)
            table[i] = BackRank[i % BackRank.size()];
        else if (row == 1 || row == 3 || row == 12 || row == 14)
            table[i] = T::PawnCode;
        else
            table[i] = T::EmptyCode;
    }
    return table;
}

} // namespace

TVeltanbrdThread::TVeltanbrdThread()
    : flip(MakeFlip()), pawn_pcsq(PawnTable), kingside_pawn_pcsq(KingsidePawnTable),
      queenside_pawn_pcsq(QueensidePawnTable), minor_pcsq(MinorTable), king_pcsq(KingTable),
      endgame_king_pcsq(EndgameKingTable), mailbox(MakeMailbox()), mailbox256(MakeMailbox256()),
      slide(SlideTable), offsets(OffsetsTable), offset(OffsetTable), castle_mask(MakeCastleMask()),
      value(ValueTable), piece_AnsiChar(PieceLetters), init_color(MakeInitColor()),
      init_piece(MakeInitPiece())
{
}

TVeltanbrdThread::~TVeltanbrdThread()
{
    StopThinkingNow = true;
    Join();
}

void TVeltanbrdThread::Execute()
{
    if (_body)
        _body();
}

void TVeltanbrdThread::Start(std::function<void()> body)
{
    Join();
    _body = std::move(body);
    _worker = std::thread([this] { Execute(); });
}

void TVeltanbrdThread::Join()
{
    if (_worker.joinable())
        _worker.join();
}
