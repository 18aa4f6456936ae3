// How a game ends: the ending reached at the record shown, and the words that
// announce it. The live move, a jump in the history and the main window's
// Start/Stop all ask here, so an ended game stays ended whichever way it is
// reached.

#include "veltanbrdKernel.h"

namespace {

bool HasPiece(const std::string& position, char letter)
{
    return position.find(letter) != std::string::npos;
}

} // namespace

TGameEnding TVeltanBrdKernel::Ending() const
{
    if (_timeLoss != TGameEnding::None && LastMove == _HistoryEnd)
        return _timeLoss;
    // Every ending is found by a move, as the live game finds it: a start
    // short of material, say, is played until its first move.
    if (LastMove < 1)
        return TGameEnding::None;
    const std::string board = position();
    const bool whiteMoved = MoveList[static_cast<std::size_t>(LastMove)].WhiteTeamIsPlaying;
    if (whiteMoved && !HasPiece(board, 'k'))
        return TGameEnding::WhiteWon;
    if (!whiteMoved && !HasPiece(board, 'K'))
        return TGameEnding::BlackWon;
    if (IsThreefoldPosition())
        return TGameEnding::Repetition;
    if (MatingMaterialMissing())
        return TGameEnding::NoMatingMaterial;
    if (_teamCannotMove)
        return _WhiteToMove ? TGameEnding::WhiteCannotMove : TGameEnding::BlackCannotMove;
    if (LastMove >= MaxHistoryMoves)
        return TGameEnding::HistoryFull;
    return TGameEnding::None;
}

TGameEnding TVeltanBrdKernel::LineEnding() const
{
    if (_timeLoss != TGameEnding::None)
        return _timeLoss;
    return LastMove == _HistoryEnd ? Ending() : _lineEnding;
}

void TVeltanBrdKernel::LoseOnTime(bool white)
{
    // Records after the one shown were a line given up when play went on from
    // here; the clock has ended the game before any of them was played again.
    _HistoryEnd = LastMove;
    _lineEnding = TGameEnding::None;
    _timeLoss = white ? TGameEnding::WhiteLostOnTime : TGameEnding::BlackLostOnTime;
    InvalidateRepetitionCache();
    if (!FGameEnded)
        SetGameEnded(true);
}

bool TVeltanBrdKernel::EndingStopsPlay(TGameEnding ending) const
{
    switch (ending) {
    case TGameEnding::None:
        return false;
    case TGameEnding::Repetition:
    case TGameEnding::NoMatingMaterial:
        return static_cast<bool>(OnDraw);
    default:
        return true;
    }
}

std::string TVeltanBrdKernel::EndingMessage(TGameEnding ending)
{
    switch (ending) {
    case TGameEnding::WhiteWon:
        return "White has won!";
    case TGameEnding::BlackWon:
        return "Black has won!";
    case TGameEnding::WhiteCannotMove:
        return "White cannot move: Black has won!";
    case TGameEnding::BlackCannotMove:
        return "Black cannot move: White has won!";
    case TGameEnding::Repetition:
    case TGameEnding::NoMatingMaterial:
        return "Draw";
    case TGameEnding::HistoryFull:
        return "The game has reached " + std::to_string(MaxHistoryMoves) + " moves: draw";
    case TGameEnding::WhiteLostOnTime:
        return "White lost on time!";
    case TGameEnding::BlackLostOnTime:
        return "Black lost on time!";
    case TGameEnding::None:
        break;
    }
    return {};
}

TCastlingLanding TVeltanBrdKernel::CastlingLanding(Square kingFrom, Square rookFrom)
{
    const int y = RankOf(rookFrom);
    const int rookFile = FileOf(rookFrom);
    const bool towardsHigherFiles = rookFile > FileOf(kingFrom);
    return {SquareAt(towardsHigherFiles ? rookFile - 1 : rookFile + 1, y),
            SquareAt(towardsHigherFiles ? rookFile - 2 : rookFile + 2, y)};
}
