// Making and taking back a move, in the kernel's order: markers on the
// squares a pawn passes, the move itself, an en passant capture, promotion,
// castling, the turn slots, the switch to the other team, the record of the
// move and the end of the game.

#include "engineGame.h"

namespace engine {

namespace {

// Anything but a knight, bishop, rook or queen becomes a queen, and the new
// piece always takes the pawn's side.
Code PromotionCode(char wanted, int side)
{
    const char lower = (wanted >= 'A' && wanted <= 'Z') ? static_cast<char>(wanted - 'A' + 'a') : wanted;
    switch (lower) {
    case 'n':
        return CodeOf(Knight, side);
    case 'b':
        return CodeOf(Bishop, side);
    case 'r':
        return CodeOf(Rook, side);
    default:
        return CodeOf(Queen, side);
    }
}

} // namespace

void TEngineGame::MakeMove(TCellMove move, TUndo& undo)
{
    SaveTurn(undo);
    const int from = move.from, to = move.to;
    const int side = SideToMove(), opponent = 1 - side;
    const Code moving = cell_[static_cast<std::size_t>(from)];

    // A straight pawn advance leaves its side's marker on every square it passed.
    if (KindOf(moving) == Pawn && FileOfCell(from) == FileOfCell(to)) {
        const Code marker = CodeOf(Marker, side);
        const int forward = Forward(side);
        for (int at = from + forward; at != to; at += forward) {
            if (cell_[static_cast<std::size_t>(at)] != marker)
                Put(at, marker, owner_[static_cast<std::size_t>(at)]);
        }
    }

    const Code captured = cell_[static_cast<std::size_t>(to)];
    Put(to, moving, player_);
    Put(from, Empty, '0');
    BlankStart(from);
    BlankStart(to);

    // Taking the other side's marker takes the pawn that left it: the first
    // square beyond that marker's run of markers, in the pawn's direction.
    if (captured == CodeOf(Marker, opponent)) {
        const int back = Forward(opponent);
        int at = to + back;
        while (cell_[static_cast<std::size_t>(at)] == captured)
            at += back;
        if (cell_[static_cast<std::size_t>(at)] == CodeOf(Pawn, opponent))
            Put(at, Empty, '0');
    }

    const bool castling = KindOf(moving) == King && captured == CodeOf(Rook, side);
    int kingLanding = to;
    if (castling)
        kingLanding = to > from ? to - 1 : to + 1;
    MarkMovedInTurn(SquareAtCell(kingLanding));

    const int rank = RankOfCell(to);
    if (KindOf(moving) == Pawn && (rank == BoardSize || rank == 1))
        Put(to, PromotionCode(promoteTo_, side), player_);

    if (castling) {
        // The king ends next to the rook's square, the rook on its other side.
        const int rookLanding = to > from ? to - 2 : to + 2;
        Put(rookLanding, captured, player_);
        Put(kingLanding, moving, player_);
        Put(to, Empty, '0');
        for (const int cell : {kingLanding, rookLanding, to, from})
            BlankStart(cell);
    }

    const int share = movesPerPlayerTurn_ > 0 ? movesPerPlayerTurn_ : 1;
    player_ = static_cast<char>('1' + MovesMadeInTurn() / share);
    movedThisTurn_ = true;
    if (TurnMustSwitch())
        SwitchTeamTurn();
    PushRecord(side == WhiteSide, undo);

    if (Kings(opponent) == 0)
        result_ = side == WhiteSide ? TGameResult::WhiteWon : TGameResult::BlackWon;
}

void TEngineGame::PassTurn(TUndo& undo)
{
    SaveTurn(undo);
    SwitchTeamTurn();
}

void TEngineGame::UnmakeMove(const TUndo& undo)
{
    PopRecord(undo);
    RestoreTurn(undo);
}

bool TEngineGame::Play(Square from, Square to)
{
    // The history holds 4096 moves; the kernel refuses any move beyond.
    if (MoveNumber() >= MaxHistoryMoves || !IsLegal(from, to))
        return false;
    TUndo undo;
    MakeMove({static_cast<std::uint16_t>(CellOf(from)), static_cast<std::uint16_t>(CellOf(to))}, undo);
    if (result_ == TGameResult::Playing && !RepetitionStands()) {
        TUndo settle;
        Settle(settle);
    }
    // Nothing played through here is ever taken back.
    journal_.clear();
    startJournal_.clear();
    return true;
}

} // namespace engine
