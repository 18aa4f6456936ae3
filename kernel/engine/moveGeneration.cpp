// Legal moves of the current team player, exactly as the kernel's
// MoveIsLegal decides them: only his own pieces that have not moved in this
// team turn, each by its own rule. There is no check: only a king's own
// destination (and the squares a castling king passes) must be unattacked.

#include "engineGame.h"
#include "steps.h"

namespace engine {

namespace {

// Where a piece's moves go: into a list, or only counted as there, when all
// that matters is whether the player can move at all.
struct TListSink {
    std::vector<TCellMove>& moves;
    void Add(int from, int to)
    {
        moves.push_back({static_cast<std::uint16_t>(from), static_cast<std::uint16_t>(to)});
    }
    std::size_t Count() const { return moves.size(); }
};
struct TAnySink {
    std::size_t count = 0;
    void Add(int, int) { ++count; }
    std::size_t Count() const { return count; }
};

char PawnLetter(int side)
{
    return side == WhiteSide ? 'P' : 'p';
}

// An unmoved pawn's long advance must end in its own half of the board.
bool InOwnHalf(int cell, int side)
{
    const int rank = RankOfCell(cell);
    return side == WhiteSide ? rank <= BoardSize / 2 : rank > BoardSize / 2;
}

// Where a pawn of each side might capture from a square: one or two squares
// diagonally ahead, and straight ahead, where only a marker can be taken.
template <int Side> constexpr bool PawnCaptureReach(int dx, int dy)
{
    // Rows count down the board: White's forward is a row up.
    const int ahead = Side == WhiteSide ? -dy : dy;
    const int ax = dx < 0 ? -dx : dx;
    return (ahead >= 1 && ahead <= 2 && ax == ahead) || (dx == 0 && ahead >= 1 && ahead <= 4);
}

constexpr std::array<std::array<TSquareSet, SquareCount>, 2> PawnCaptures = {
    SquareSetTable(PawnCaptureReach<WhiteSide>), SquareSetTable(PawnCaptureReach<BlackSide>)};

// A king steps one or two squares.
constexpr bool KingReach(int dx, int dy)
{
    const int ax = dx < 0 ? -dx : dx, ay = dy < 0 ? -dy : dy;
    return (ax != 0 || ay != 0) && ax <= 2 && ay <= 2;
}

constexpr std::array<TSquareSet, SquareCount> KingCaptures = SquareSetTable(KingReach);

} // namespace

bool TEngineGame::MovedThisTurn(int cell) const
{
    const Square sq = SquareAtCell(cell);
    for (const Square slot : slots_) {
        if (slot == SqrNone)
            return false;
        if (slot == sq)
            return true;
    }
    return false;
}

bool TEngineGame::IsMovable(int cell) const
{
    return owner_[static_cast<std::size_t>(cell)] == player_ && !MovedThisTurn(cell);
}

bool TEngineGame::KingMayStand(int from, int to, int side) const
{
    return !Attacked(to, 1 - side, from);
}

bool TEngineGame::CastlingAllowed(int king, int rook, int side) const
{
    // Every square between is empty (the walk that found the rook saw to
    // that); none of them may be attacked, the king's own square may.
    const int step = rook > king ? 1 : -1;
    for (int at = king + step; at != rook; at += step) {
        if (Attacked(at, 1 - side))
            return false;
    }
    return true;
}

bool TEngineGame::KingStepIsSafe(TCellMove move) const
{
    const Code moving = cell_[move.from];
    if (KindOf(moving) != King || cell_[move.to] == CodeOf(Rook, SideOf(moving)))
        return true;
    return KingMayStand(move.from, move.to, SideOf(moving));
}

template <bool CapturesOnly, bool CheckKings, class TSink>
bool TEngineGame::GeneratePiece(int from, TSink& sink) const
{
    const Code* const board = cell_.data();
    const int side = SideToMove(), opponent = 1 - side;
    const std::size_t before = sink.Count();
    const auto add = [&sink, from](int to) { sink.Add(from, to); };
    const auto isOpponent = [opponent](Code code) { return IsSide(code, opponent); };
    // Most pawns, knights and kings have nothing of the other side within reach.
    const std::size_t index = static_cast<std::size_t>(SetIndexOfCell(from));
    const TSquareSet& targets = occupied_[static_cast<std::size_t>(opponent)];
    if constexpr (CapturesOnly) {
        const int kind = KindOf(board[from]);
        if ((kind == Pawn && !Meets(PawnCaptures[static_cast<std::size_t>(side)][index], targets)) ||
            (kind == Knight && !Meets(KnightLeaps[index], targets)) ||
            (kind == King && !Meets(KingCaptures[index], targets)))
            return false;
    }

    switch (KindOf(board[from])) {
    case Pawn: {
        const int forward = Forward(side);
        // Straight on through empty squares and markers of either side.
        for (int distance = 1; distance <= 4; ++distance) {
            const int to = from + distance * forward;
            if (!IsEmptyForPawn(board[to]))
                break;
            if (distance >= 3 &&
                (start_[static_cast<std::size_t>(from)] != PawnLetter(side) || !InOwnHalf(to, side)))
                break;
            if (!CapturesOnly || isOpponent(board[to]))
                add(to);
        }
        // Diagonally it only captures, so with nothing of the other side near there is nothing to see.
        if (!Meets(PawnCaptures[static_cast<std::size_t>(side)][index], targets))
            break;
        for (const int sideways : {-1, 1}) {
            if (isOpponent(board[from + forward + sideways]))
                add(from + forward + sideways);
            const int far = from + 2 * (forward + sideways);
            if (IsEmptyForPawn(board[from + forward + sideways]) && isOpponent(board[far]))
                add(far);
        }
        break;
    }
    case Knight:
        for (const int step : KnightSteps) {
            const Code target = board[from + step];
            if ((!CapturesOnly && target == Empty) || isOpponent(target))
                add(from + step);
        }
        break;
    case Bishop:
    case Rook:
    case Queen: {
        const int kind = KindOf(board[from]);
        const int first = kind == Rook ? 4 : 0, last = kind == Bishop ? 4 : 8;
        for (int i = first; i < last; ++i) {
            const int step = KingSteps[static_cast<std::size_t>(i)];
            int to = from + step;
            for (; board[to] == Empty; to += step) {
                if (!CapturesOnly)
                    add(to);
            }
            if (isOpponent(board[to]))
                add(to);
        }
        break;
    }
    case King: {
        for (const int step : KingSteps) {
            const Code target = board[from + step];
            if (((!CapturesOnly && target == Empty) || isOpponent(target)) &&
                (!CheckKings || KingMayStand(from, from + step, side)))
                add(from + step);
        }
        for (const TDoubleStep& step : KingDoubleSteps) {
            const Code target = board[from + step.to];
            if (!((!CapturesOnly && target == Empty) || isOpponent(target)))
                continue;
            bool passable = false;
            for (int i = 0; i < step.viaCount && !passable; ++i)
                passable = board[from + step.via[static_cast<std::size_t>(i)]] == Empty;
            if (passable && (!CheckKings || KingMayStand(from, from + step.to, side)))
                add(from + step.to);
        }
        if (!CapturesOnly && start_[static_cast<std::size_t>(from)] == (side == WhiteSide ? 'K' : 'k')) {
            const Code rook = CodeOf(Rook, side);
            const char rookLetter = side == WhiteSide ? 'R' : 'r';
            for (const int step : {1, -1}) {
                int to = from + step;
                while (board[to] == Empty)
                    to += step;
                const int distance = (to - from) * step;
                if (distance >= 3 && board[to] == rook &&
                    start_[static_cast<std::size_t>(to)] == rookLetter && CastlingAllowed(from, to, side))
                    add(to);
            }
        }
        break;
    }
    default:
        break;
    }
    return sink.Count() != before;
}

template <bool CapturesOnly, bool CheckKings> void TEngineGame::Generate(std::vector<TCellMove>& moves) const
{
    TListSink sink{moves};
    const TCellList& list = pieces_[static_cast<std::size_t>(SideToMove())];
    // Before the turn's first move no piece has moved in it: ownership alone decides.
    const bool noneMoved = slots_[0] == SqrNone;
    for (int i = 0; i < list.count; ++i) {
        const int from = list.cells[static_cast<std::size_t>(i)];
        if (noneMoved ? owner_[static_cast<std::size_t>(from)] == player_ : IsMovable(from))
            GeneratePiece<CapturesOnly, CheckKings>(from, sink);
    }
}

template <bool CheckKings> bool TEngineGame::AnyMove() const
{
    // The first piece that can move answers; most positions need a piece or two.
    TAnySink sink;
    const TCellList& list = pieces_[static_cast<std::size_t>(SideToMove())];
    for (int i = 0; i < list.count; ++i) {
        const int from = list.cells[static_cast<std::size_t>(i)];
        if (IsMovable(from) && GeneratePiece<false, CheckKings>(from, sink))
            return true;
    }
    return false;
}

bool TEngineGame::AnyMoveUncheckedKings() const
{
    return !RepetitionStands() && AnyMove<false>();
}

void TEngineGame::GenerateMovesUncheckedKings(std::vector<TCellMove>& moves) const
{
    if (RepetitionStands())
        return;
    Generate<false, false>(moves);
}

void TEngineGame::GenerateMoves(std::vector<TCellMove>& moves) const
{
    if (RepetitionStands())
        return;
    Generate<false>(moves);
}

void TEngineGame::GenerateCaptures(std::vector<TCellMove>& moves) const
{
    if (RepetitionStands())
        return;
    Generate<true>(moves);
}

bool TEngineGame::CurrentPlayerCanMove() const
{
    return AnyMove<true>();
}

bool TEngineGame::IsLegal(Square from, Square to) const
{
    if (!IsBoardSquare(from) || !IsBoardSquare(to))
        return false;
    const int fromCell = CellOf(from), toCell = CellOf(to);
    if (!IsSide(cell_[static_cast<std::size_t>(fromCell)], SideToMove()) || !IsMovable(fromCell) ||
        RepetitionStands())
        return false;
    std::vector<TCellMove> moves;
    TListSink sink{moves};
    GeneratePiece<false, true>(fromCell, sink);
    for (const TCellMove& move : moves) {
        if (move.to == toCell)
            return true;
    }
    return false;
}

} // namespace engine
