// The move history: listing, stepping and jumping through the records, and
// the repetition test that compares them.

#include <algorithm>
#include <cstring>

#include "veltanbrdKernel.h"

namespace {

constexpr int RepetitionTurnEnds = 12;
constexpr int RepetitionMinimumMove = 12;

// A record's letter on a square; records read from outside may be short.
char LetterAt(const std::string& text, Square sq)
{
    const std::size_t i = static_cast<std::size_t>(sq) - 1;
    return IsBoardSquare(sq) && i < text.size() ? text[i] : ' ';
}

} // namespace

void TVeltanBrdKernel::GetMoveList(std::vector<std::string>& list) const
{
    for (int i = std::min(LastMove, MaxHistoryMoves); i >= 1; --i) {
        const MoveInfo& record = MoveList[static_cast<std::size_t>(i)];
        list.push_back(std::string(record.WhiteTeamIsPlaying ? "W:" : "B:") +
                       SquareToString(record.OldSquare) + "-" + SquareToString(record.NewSquare));
    }
}

MoveInfo TVeltanBrdKernel::GetMove(int moveno) const
{
    if (moveno < 0 || moveno > MaxHistoryMoves)
        return {};
    return MoveList[static_cast<std::size_t>(moveno)];
}

void TVeltanBrdKernel::LoadMove(int moveno, const MoveInfo& aMove)
{
    // Record 0 belongs to the game's reset; moves are 1..4096.
    if (moveno < 1 || moveno > MaxHistoryMoves)
        return;
    MoveInfo& record = MoveList[static_cast<std::size_t>(moveno)];
    record = aMove;
    record.position = NormalisedRecordText(aMove.position, ' ');
    record.players = NormalisedRecordText(aMove.players, '0');
    _HistoryEnd = std::max(_HistoryEnd, moveno);
    _timeLoss = TGameEnding::None;
    _lineEnding = TGameEnding::None;
    InvalidateRepetitionCache();
}

bool TVeltanBrdKernel::GotoMove(int moveno)
{
    // Only records of the current line of play can be shown.
    if (moveno < 0 || moveno > _HistoryEnd || MoveList[static_cast<std::size_t>(moveno)].position.empty())
        return false;
    // Looking back through the game pauses the computer (CancelThinking leaves
    // it stopped) so that it does not cut the line being looked at; the next
    // move or a restart of play wakes it.
    CancelThinking();
    // Leaving the end of the line: what it reached is remembered, so the game
    // is judged by its end whichever record is looked at.
    if (LastMove == _HistoryEnd && moveno != LastMove)
        _lineEnding = Ending();
    LastMove = moveno;
    InvalidateRepetitionCache();
    CopyRecordIntoBoard(MoveList[static_cast<std::size_t>(moveno)]);
    RebuildTurnState(moveno);
    RebuildStartLetters(moveno);
    RedrawBoard();
    // A running game that arrives at an ending stops there, as the move that
    // reached it stopped the live game: no clock may run on a finished game.
    if (!FGameEnded && EndingStopsPlay(Ending()))
        SetGameEnded(true);
    return true;
}

void TVeltanBrdKernel::StartNewHistory()
{
    _StartpositionOfGame = _Startposition;
    _teamCannotMove = false;
    MoveInfo& start = MoveList[0];
    start.position = position();
    start.players = players();
    start.OldSquare = SqrNone;
    start.NewSquare = SqrNone;
    start.WhiteTeamIsPlaying = true;
    LastMove = 0;
    _HistoryEnd = 0;
    _timeLoss = TGameEnding::None;
    _lineEnding = TGameEnding::None;
    InvalidateRepetitionCache();
}

bool TVeltanBrdKernel::MoveBackward()
{
    if (LastMove <= 0)
        return false;
    return GotoMove(LastMove - 1);
}

bool TVeltanBrdKernel::MoveForward()
{
    const int next = LastMove + 1;
    if (next > _HistoryEnd || next > MaxHistoryMoves)
        return false;
    return GotoMove(next);
}

bool TVeltanBrdKernel::SetUpPosition(const MoveInfo& Move, int moveno, bool /*whiteMoves*/)
{
    CancelThinking();
    if (moveno > 200)
        return false;
    constexpr const char* RealPieces = " pnbrqkPNBRQK";
    if (Move.position.size() < static_cast<std::size_t>(SquareCount))
        return false;
    for (int i = 0; i < SquareCount; ++i) {
        const char c = Move.position[static_cast<std::size_t>(i)];
        if (c == '\0' || std::strchr(RealPieces, c) == nullptr)
            return false;
    }
    std::copy_n(Move.position.begin(), SquareCount, _position.begin() + 1);
    _position[SquareCount + 1] = '\0';
    _WhiteToMove = Move.WhiteTeamIsPlaying;
    Paint();
    return true;
}

// The turn state right after move `moveno`, exactly as the live game had it:
// the moves of the turn in their slots (forfeited shares marked as used), the
// player to move, the switch done when the turn was complete, and players
// who cannot move passed over.
void TVeltanBrdKernel::RebuildTurnState(int moveno)
{
    ClearMovesMovedInTurn();
    _currentTeamPlayer = '1';
    _teamCannotMove = false;
    if (moveno == 0) {
        _WhiteToMove = true;
        return;
    }
    const bool team = MoveList[static_cast<std::size_t>(moveno)].WhiteTeamIsPlaying;
    _WhiteToMove = team;

    int first = moveno;
    while (first > 1 && MoveList[static_cast<std::size_t>(first - 1)].WhiteTeamIsPlaying == team &&
           moveno - first + 1 < _MovesPerTeamTurn)
        --first;

    const int share = std::max(1, _MovesPerPlayerTurn);
    for (int j = first; j <= moveno; ++j) {
        const MoveInfo& made = MoveList[static_cast<std::size_t>(j)];
        // The record itself tells where the moved piece landed and who owns
        // it there: a castling leaves the rook's square empty and puts the
        // king beside it. Reading the record before would depend on the
        // start of the game, which a game file does not store.
        Square landed = made.NewSquare;
        if (IsBoardSquare(made.NewSquare) && IsBoardSquare(made.OldSquare) &&
            LetterAt(made.position, made.NewSquare) == ' ')
            landed = CastlingLanding(made.OldSquare, made.NewSquare).king;
        const char owner = LetterAt(made.players, landed);
        const int mover = (owner >= '1' && owner <= '4') ? owner - '0' : _currentTeamPlayer - '0';
        // Shares of the players before the mover were forfeited.
        while (mover > _currentTeamPlayer - '0' && MovesMadeInTurn() < _MovesPerTeamTurn)
            ForfeitCurrentPlayer();
        MarkMovedInTurn(landed == SqrNone ? SqrUsedSlot : landed);
        _currentTeamPlayer = static_cast<char>('1' + MovesMadeInTurn() / share);
    }
    if (TurnMustSwitch())
        SwitchTeamTurn();
    _teamCannotMove = !IsThreefoldPosition() && SettleTurn();
}

// The unmoved pieces right after move `moveno`, exactly as the live game had
// them: the game's start letters with every square blanked that the moves up
// to it left or landed on, castling's four squares included. A line of play
// given up by stepping back leaves nothing behind.
void TVeltanBrdKernel::RebuildStartLetters(int moveno)
{
    _Startposition = _StartpositionOfGame;
    for (int j = 1; j <= moveno; ++j) {
        const MoveInfo& made = MoveList[static_cast<std::size_t>(j)];
        const Square from = made.OldSquare, to = made.NewSquare;
        if (!IsBoardSquare(from) || !IsBoardSquare(to))
            continue;
        _Startposition[from] = ' ';
        _Startposition[to] = ' ';
        // The record before holds the board the move was made on.
        const std::string& before = MoveList[static_cast<std::size_t>(j - 1)].position;
        const char king = LetterAt(before, from), rook = LetterAt(before, to);
        if ((king == 'K' && rook == 'R') || (king == 'k' && rook == 'r')) {
            const TCastlingLanding landing = CastlingLanding(from, to);
            for (const Square sq : {landing.king, landing.rook}) {
                if (IsBoardSquare(sq))
                    _Startposition[sq] = ' ';
            }
        }
    }
}

bool TVeltanBrdKernel::IsThreefoldPosition() const
{
    if (_repetitionGeneration == _historyGeneration && _repetitionMove == LastMove)
        return _repetitionAnswer;
    bool answer = false;
    const int last = LastMove;
    if (last >= RepetitionMinimumMove && last <= MaxHistoryMoves) {
        const MoveInfo& newest = MoveList[static_cast<std::size_t>(last)];
        int teamTurnEnds = 0;
        int repeats = 0;
        // Walk back over the moving team's own turn ends only: the other
        // team's turn ends never hold the same position after its own moves.
        for (int i = last - 1; i > 0 && teamTurnEnds < RepetitionTurnEnds; --i) {
            const MoveInfo& record = MoveList[static_cast<std::size_t>(i)];
            const bool turnEnd =
                MoveList[static_cast<std::size_t>(i + 1)].WhiteTeamIsPlaying != record.WhiteTeamIsPlaying;
            if (!turnEnd || record.WhiteTeamIsPlaying != newest.WhiteTeamIsPlaying)
                continue;
            ++teamTurnEnds;
            if (record.position == newest.position)
                ++repeats;
        }
        answer = repeats > 3;
    }
    _repetitionGeneration = _historyGeneration;
    _repetitionMove = LastMove;
    _repetitionAnswer = answer;
    return answer;
}
