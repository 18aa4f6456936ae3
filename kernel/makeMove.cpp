// Making a move: the record, the arrays, en passant, promotion, castling,
// the turn, the end of the game and the draw findings, in a fixed order.

#include <array>

#include "veltanbrdKernel.h"

namespace {

constexpr int MatingMaterial = 5;

int MaterialValue(char c)
{
    switch (c) {
    case 'P':
    case 'p':
    case 'R':
    case 'r':
    case 'Q':
    case 'q':
        return 5;
    case 'B':
    case 'b':
        return 3;
    case 'N':
    case 'n':
        return 2;
    default:
        return 0;
    }
}

bool IsPawn(char c)
{
    return c == 'P' || c == 'p';
}

char PromotionLetter(char wanted, bool white)
{
    // Anything but a knight, bishop, rook or queen becomes a queen, and the
    // new piece always takes the pawn's side, whatever case was asked for.
    char lower = (wanted >= 'A' && wanted <= 'Z') ? static_cast<char>(wanted - 'A' + 'a') : wanted;
    if (lower != 'n' && lower != 'b' && lower != 'r' && lower != 'q')
        lower = 'q';
    return white ? static_cast<char>(lower - 'a' + 'A') : lower;
}

} // namespace

bool TVeltanBrdKernel::move(Square oldSq, Square newSq)
{
    CancelThinking();
    const bool result = PerformMove(oldSq, newSq);
    stopThinking = FGameEnded;
    if (!FGameEnded)
        Think();
    return result;
}

bool TVeltanBrdKernel::PerformMove(Square oldSq, Square newSq)
{
    // A full history refuses the move outright: nothing may be written past the last record.
    if (LastMove >= MaxHistoryMoves)
        return false;
    SetGameEnded(false);
    if (!MoveIsLegal(oldSq, newSq))
        return false;

    const bool whiteMoves = _WhiteToMove;
    if (IsPawn(_position[oldSq]))
        SetEnpassantPieces(oldSq, newSq);

    ++LastMove;
    _HistoryEnd = LastMove; // a move made after stepping back starts a new line
    _timeLoss = TGameEnding::None;
    _lineEnding = TGameEnding::None;
    MoveInfo& record = MoveList[static_cast<std::size_t>(LastMove)];
    record.OldSquare = oldSq;
    record.NewSquare = newSq;
    record.WhiteTeamIsPlaying = whiteMoves;
    WriteRecord(LastMove);

    ClearSquare(oldSq);
    if (_animateMoves && (oldSq != SquareClick1 || newSq != SquareClick2)) {
        DrawBoardLines();
        Animate(oldSq, newSq, _animationDelay);
    }

    const char captured = _position[newSq];
    _position[newSq] = _position[oldSq];
    _position[oldSq] = ' ';
    _players[newSq] = _currentTeamPlayer;
    _players[oldSq] = '0';
    // Neither the piece that leaves nor a piece taken here is on its start
    // square any more: a later piece landing there must not count as unmoved.
    _Startposition[oldSq] = ' ';
    _Startposition[newSq] = ' ';
    const char moved = _position[newSq];
    ClearSquare(newSq);
    DrawPieceOnSquare(newSq, moved);
    DrawBoardLines();

    if ((whiteMoves && captured == 'e') || (!whiteMoves && captured == 'E'))
        CaptureEnpassantPawn(newSq);

    const bool castling = (moved == 'K' && captured == 'R') || (moved == 'k' && captured == 'r');
    // A castling king ends next to the rook's old square; that is the square
    // that must count as moved, or the king could move again this turn.
    MarkMovedInTurn(castling ? CastlingLanding(oldSq, newSq).king : newSq);

    if (OnLegalMove)
        OnLegalMove(*this, oldSq, newSq);
    if (captured != ' ' && OnCapture)
        OnCapture(*this, oldSq, newSq, captured);

    if (IsPawn(_position[newSq]) && (RankOf(newSq) == BoardSize || RankOf(newSq) == 1)) {
        if (OnPromotion)
            OnPromotion(*this, oldSq, newSq, PromoteTo);
        PromotePawn(newSq);
    }
    if (castling) {
        CastleRearrange(oldSq, newSq, moved, captured);
        if (OnCastle)
            OnCastle(*this, oldSq, newSq);
    }

    const int share = _MovesPerPlayerTurn > 0 ? _MovesPerPlayerTurn : 1;
    _currentTeamPlayer = static_cast<char>('1' + MovesMadeInTurn() / share);
    if (TurnMustSwitch())
        SwitchTeamTurn();
    WriteRecord(LastMove);

    // The game is over before the winner's box opens, so no clock runs and
    // no computer move is started while the box waits for the user.
    const bool won = AllKingsCaptured(whiteMoves);
    _teamCannotMove = false;
    SetGameEnded(won);
    if (won)
        ShowMessage(EndingMessage(whiteMoves ? TGameEnding::WhiteWon : TGameEnding::BlackWon));
    if (!FGameEnded) {
        bool draw = false;
        if (MatingMaterialMissing()) {
            if (OnNoMatingMaterial)
                OnNoMatingMaterial(*this);
            draw = true;
        }
        const bool repetition = IsThreefoldPosition();
        if (repetition) {
            if (OnThreefoldPosition)
                OnThreefoldPosition(*this);
            draw = true;
        }
        if (draw && OnDraw) {
            SetGameEnded(true);
            OnDraw(*this);
        }
        if (!FGameEnded && !repetition) {
            _teamCannotMove = SettleTurn();
            WriteRecord(LastMove);
            if (_teamCannotMove) {
                SetGameEnded(true);
                ShowMessage(EndingMessage(_WhiteToMove ? TGameEnding::WhiteCannotMove
                                                       : TGameEnding::BlackCannotMove));
            }
        }
        // The last record the history holds ends the game: no move could follow it.
        if (!FGameEnded && LastMove >= MaxHistoryMoves) {
            SetGameEnded(true);
            ShowMessage(EndingMessage(TGameEnding::HistoryFull));
        }
        if (OnPaint)
            OnPaint(*this);
    }
    if (OnTurnSettled)
        OnTurnSettled(*this);
    return true;
}

void TVeltanBrdKernel::WriteRecord(int moveno)
{
    MoveInfo& record = MoveList[static_cast<std::size_t>(moveno)];
    record.position = position();
    record.players = players();
    InvalidateRepetitionCache();
}

void TVeltanBrdKernel::SetGameEnded(bool value)
{
    // A search for a game that has ended has nothing left to find.
    if (value && (SearchRunning() || _hostPlaysComputer))
        CancelThinking();
    if (value && !FGameEnded && _DoRefreshWindowsBoard)
        PostGameEndedNotice();
    FGameEnded = value;
    // Play that resumes lets the computer move again after a cancelled search.
    stopThinking = value;
    if (_DoRefreshWindowsBoard)
        SetControlEnabled(!value);
}

void TVeltanBrdKernel::ClearEnpassantPieces()
{
    const char marker = _WhiteToMove ? 'E' : 'e';
    for (int sq = 1; sq <= SquareCount; ++sq) {
        if (_position[sq] == marker) {
            _position[sq] = ' ';
            ClearSquare(static_cast<Square>(sq));
        }
    }
}

void TVeltanBrdKernel::SetEnpassantPieces(Square oldSq, Square newSq)
{
    if (FileOf(oldSq) != FileOf(newSq))
        return;
    const bool white = ColorOfPieceOnSquare(oldSq, false) == ColorWhite;
    const char marker = white ? 'E' : 'e';
    const int forward = white ? 1 : -1;
    const int x = FileOf(oldSq);
    for (int y = RankOf(oldSq) + forward; OnBoard(x, y) && SquareAt(x, y) != newSq; y += forward) {
        const Square passed = SquareAt(x, y);
        _position[passed] = marker;
        DrawPieceOnSquare(passed, marker);
    }
}

void TVeltanBrdKernel::CaptureEnpassantPawn(Square sq)
{
    // The pawn that left the marker stands beyond its own markers in its
    // direction of travel; anything else found there is not the passer.
    const bool blackPawn = _WhiteToMove;
    const char pawn = blackPawn ? 'p' : 'P';
    const char marker = blackPawn ? 'e' : 'E';
    const int forward = blackPawn ? -1 : 1;
    const int x = FileOf(sq);
    int y = RankOf(sq) + forward;
    while (OnBoard(x, y) && _position[SquareAt(x, y)] == marker)
        y += forward;
    if (!OnBoard(x, y) || _position[SquareAt(x, y)] != pawn)
        return;
    const Square passer = SquareAt(x, y);
    _position[passer] = ' ';
    _players[passer] = '0';
    DrawPieceOnSquare(passer, ' ');
}

void TVeltanBrdKernel::PromotePawn(Square sq)
{
    const char letter = PromotionLetter(PromoteTo, _position[sq] == 'P');
    _position[sq] = letter;
    ClearSquare(sq);
    DrawPieceOnSquare(sq, letter);
    DrawBoardLines();
}

void TVeltanBrdKernel::CastleRearrange(Square oldSq, Square newSq, char king, char rook)
{
    const auto [kingTo, rookTo] = CastlingLanding(oldSq, newSq);
    _position[rookTo] = rook;
    _position[kingTo] = king;
    _players[rookTo] = _currentTeamPlayer;
    _players[kingTo] = _currentTeamPlayer;
    _position[newSq] = ' ';
    _players[newSq] = '0';
    for (const Square sq : {kingTo, rookTo, newSq, oldSq})
        _Startposition[sq] = ' ';
    ClearSquare(newSq);
    DrawPieceOnSquare(kingTo, king);
    DrawPieceOnSquare(rookTo, rook);
    DrawBoardLines();
}

bool TVeltanBrdKernel::AllKingsCaptured(bool whiteMoved) const
{
    const char wanted = whiteMoved ? 'k' : 'K';
    for (int sq = 1; sq <= SquareCount; ++sq) {
        if (_position[sq] == wanted)
            return false;
    }
    return true;
}

bool TVeltanBrdKernel::MatingMaterialMissing() const
{
    int white = 0, black = 0;
    for (int sq = 1; sq <= SquareCount; ++sq) {
        const char c = _position[sq];
        if (c >= 'A' && c <= 'Z')
            white += MaterialValue(c);
        else if (c >= 'a' && c <= 'z')
            black += MaterialValue(c);
    }
    return white < MatingMaterial && black < MatingMaterial;
}
