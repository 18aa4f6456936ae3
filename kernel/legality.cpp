// Move legality: who may move which piece, and how each piece moves.

#include <cstdlib>

#include "area.h"
#include "veltanbrdKernel.h"

namespace {

int Sign(int value)
{
    return (value > 0) - (value < 0);
}

char Lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

int SideToMoveColor(bool whiteToMove)
{
    return whiteToMove ? ColorWhite : ColorBlack;
}

} // namespace

bool TVeltanBrdKernel::IsCurrentTeamPlayerPiece(Square sq, bool aIsPawnMove) const
{
    return ColorOfPieceOnSquare(sq, aIsPawnMove) == SideToMoveColor(_WhiteToMove) &&
           PlayerOnSquare(sq) == _currentTeamPlayer;
}

bool TVeltanBrdKernel::MoveIsLegal(Square oldSq, Square newSq) const
{
    if (!IsBoardSquare(oldSq) || !IsBoardSquare(newSq))
        return false;
    if (IsThreefoldPosition())
        return false;
    return MoveIsLegalIgnoringRepetition(oldSq, newSq);
}

bool TVeltanBrdKernel::MoveIsLegalIgnoringRepetition(Square oldSq, Square newSq) const
{
    const char piece = _position[oldSq];
    const bool isPawn = piece == 'P' || piece == 'p';
    const int moverColor = ColorOfPieceOnSquare(oldSq, isPawn);
    if (moverColor != SideToMoveColor(_WhiteToMove))
        return false;
    if (!IsCurrentTeamPlayerPiece(oldSq, isPawn))
        return false;
    if (SquareMovedInTurn(oldSq))
        return false;
    const char kind = Lower(piece);
    // Kings may land on their own rook: that is how they castle.
    if (kind != 'k' && ColorOfPieceOnSquare(newSq, isPawn) == moverColor)
        return false;
    switch (kind) {
    case 'p':
        return PawnMoveIsLegal(oldSq, newSq);
    case 'n':
        return KnightMoveIsLegal(oldSq, newSq);
    case 'b':
        return LineMoveIsLegal(oldSq, newSq, true, false);
    case 'r':
        return LineMoveIsLegal(oldSq, newSq, false, true);
    case 'q':
        return LineMoveIsLegal(oldSq, newSq, true, true);
    case 'k':
        return KingMoveIsLegal(oldSq, newSq);
    default:
        return false; // en passant markers never move
    }
}

bool TVeltanBrdKernel::IsEmptyForPawn(int x, int y) const
{
    return OnBoard(x, y) && ColorOfPieceOnSquare(SquareAt(x, y), true) == ColorNone;
}

bool TVeltanBrdKernel::IsEmptyForKing(int x, int y) const
{
    return OnBoard(x, y) && ColorOfPieceOnSquare(SquareAt(x, y), false) == ColorNone;
}

bool TVeltanBrdKernel::PawnMoveIsLegal(Square oldSq, Square newSq) const
{
    const int color = ColorOfPieceOnSquare(oldSq, true);
    const int forward = color == ColorWhite ? 1 : -1;
    const int opponent = color == ColorWhite ? ColorBlack : ColorWhite;
    const int x0 = FileOf(oldSq), y0 = RankOf(oldSq);
    const int dx = FileOf(newSq) - x0;
    const int d = forward * (RankOf(newSq) - y0);

    if (d == 1 || d == 2) {
        if (dx == 0)
            return PawnPathFree(oldSq, newSq);
        if (std::abs(dx) == 1 && d == 1)
            return ColorOfPieceOnSquare(newSq, false) == opponent;
        if (std::abs(dx) == 2 && d == 2)
            return IsEmptyForPawn(x0 + dx / 2, y0 + forward) &&
                   ColorOfPieceOnSquare(newSq, false) == opponent;
        return false;
    }
    const char ownPawn = color == ColorWhite ? 'P' : 'p';
    const int y1 = RankOf(newSq);
    const bool inOwnHalf = color == ColorWhite ? y1 <= BoardSize / 2 : y1 > BoardSize / 2;
    return _Startposition[oldSq] == ownPawn && d <= 4 && inOwnHalf && dx == 0 && PawnPathFree(oldSq, newSq);
}

bool TVeltanBrdKernel::PawnPathFree(Square sq, Square target) const
{
    const int forward = ColorOfPieceOnSquare(sq, true) == ColorWhite ? 1 : -1;
    const int x = FileOf(sq);
    for (int y = RankOf(sq) + forward; OnBoard(x, y); y += forward) {
        if (!IsEmptyForPawn(x, y))
            return false;
        if (SquareAt(x, y) == target)
            return true;
    }
    return false;
}

bool TVeltanBrdKernel::KnightMoveIsLegal(Square oldSq, Square newSq) const
{
    const int ax = std::abs(FileOf(newSq) - FileOf(oldSq));
    const int ay = std::abs(RankOf(newSq) - RankOf(oldSq));
    return (ax == 1 && ay == 4) || (ax == 4 && ay == 1) || (ax == 2 && ay == 3) || (ax == 3 && ay == 2);
}

bool TVeltanBrdKernel::LineMoveIsLegal(Square oldSq, Square newSq, bool diagonal, bool straight) const
{
    const int dx = FileOf(newSq) - FileOf(oldSq);
    const int dy = RankOf(newSq) - RankOf(oldSq);
    const bool isDiagonal = dx != 0 && std::abs(dx) == std::abs(dy);
    const bool isStraight = (dx == 0) != (dy == 0);
    if (!((diagonal && isDiagonal) || (straight && isStraight)))
        return false;
    // Walk the one line that can reach newSq; every square before it must be empty.
    const int stepX = Sign(dx), stepY = Sign(dy);
    int x = FileOf(oldSq) + stepX, y = RankOf(oldSq) + stepY;
    const int mover = ColorOfPieceOnSquare(oldSq, false);
    while (OnBoard(x, y)) {
        const Square sq = SquareAt(x, y);
        const int content = ColorOfPieceOnSquare(sq, false);
        if (sq == newSq)
            return content != mover;
        if (content != ColorNone)
            return false;
        x += stepX;
        y += stepY;
    }
    return false;
}

bool TVeltanBrdKernel::KingMoveIsLegal(Square oldSq, Square newSq) const
{
    const int a = ColorOfPieceOnSquare(oldSq, false);
    const int b = ColorOfPieceOnSquare(newSq, false);
    const int x0 = FileOf(oldSq), y0 = RankOf(oldSq);
    const int x1 = FileOf(newSq), y1 = RankOf(newSq);
    const int dx = x1 - x0, dy = y1 - y0;
    const int ax = std::abs(dx), ay = std::abs(dy);
    const int opponent = a == ColorWhite ? ColorBlack : ColorWhite;

    const char king = _position[oldSq];
    const char rook = _position[newSq];
    const bool unmovedPair = (_Startposition[oldSq] == 'K' && _Startposition[newSq] == 'R') ||
                             (_Startposition[oldSq] == 'k' && _Startposition[newSq] == 'r');
    if (dy == 0 && ax >= 3 && unmovedPair && king == _Startposition[oldSq] && rook == _Startposition[newSq])
        return AreaIsEmpty(oldSq, newSq, false) && !AreaClaimedby(opponent, oldSq, newSq, false);

    if (a == b)
        return false;
    bool candidate = false;
    if (ax <= 1 && ay <= 1) {
        candidate = true;
    } else if (ax <= 2 && ay <= 2) {
        const int mx = x0 + dx / 2, my = y0 + dy / 2;
        if (ax == 2 && ay == 2)
            candidate = IsEmptyForKing(mx, my);
        else if (ax == 2 && ay == 1)
            candidate = IsEmptyForKing(mx, my) || IsEmptyForKing(mx, y1);
        else if (ax == 1 && ay == 2)
            candidate = IsEmptyForKing(mx, my) || IsEmptyForKing(x1, my);
        else if (dx == 0)
            candidate = IsEmptyForKing(x0 - 1, my) || IsEmptyForKing(x0, my) || IsEmptyForKing(x0 + 1, my);
        else
            candidate = IsEmptyForKing(mx, y0 - 1) || IsEmptyForKing(mx, y0) || IsEmptyForKing(mx, y0 + 1);
    }
    return candidate && !InCheckby(opponent, oldSq, newSq);
}

bool TVeltanBrdKernel::AreaIsEmpty(Square sq1, Square sq2, bool includeEnd) const
{
    return AreNeighbours(sq1, sq2) || !AnySquareOfArea(sq1, sq2, includeEnd, [this](Square sq) {
               return ColorOfPieceOnSquare(sq, false) != ColorNone;
           });
}

bool TVeltanBrdKernel::CurrentPlayerCanMove() const
{
    if (IsThreefoldPosition())
        return false;
    for (int from = 1; from <= SquareCount; ++from) {
        if (!IsCurrentTeamPlayerPiece(static_cast<Square>(from), false) &&
            !IsCurrentTeamPlayerPiece(static_cast<Square>(from), true))
            continue;
        for (int to = 1; to <= SquareCount; ++to) {
            if (MoveIsLegalIgnoringRepetition(static_cast<Square>(from), static_cast<Square>(to)))
                return true;
        }
    }
    return false;
}

bool TVeltanBrdKernel::LegalMoveAvailable() const
{
    if (IsThreefoldPosition())
        return false;
    const int side = SideToMoveColor(_WhiteToMove);
    const int opponent = _WhiteToMove ? ColorBlack : ColorWhite;
    for (int from = 1; from <= SquareCount; ++from) {
        if (ColorOfPieceOnSquare(static_cast<Square>(from), false) != side)
            continue;
        for (int to = 1; to <= SquareCount; ++to) {
            const Square oldSq = static_cast<Square>(from), newSq = static_cast<Square>(to);
            if (MoveIsLegalIgnoringRepetition(oldSq, newSq) && !InCheckby(opponent, oldSq, newSq))
                return true;
        }
    }
    return false;
}
