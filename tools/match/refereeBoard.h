#pragma once
// The board that referees a match game: the plain kernel, which keeps the
// messages it would have shown (that is where it tells who has won) and ends
// the game on a draw, as the game window does.

#include <string>
#include <vector>

#include "veltanbrdKernel.h"

/// How a game ended.
enum class TEndReason {
    KingsCaptured,    ///< the winner took the last enemy king
    CannotMove,       ///< the loser could not make a single move of its turn
    Repetition,       ///< drawn: the same position came up too often
    NoMatingMaterial, ///< drawn: neither side can win any more
    MoveCap,          ///< drawn: the match's move limit was reached
    NoMove,           ///< drawn: a player had no move although the board played on (a harness fault)
    Adjudicated,      ///< won at the ply limit by more kings or five pawns more material
    EngineFailed,     ///< lost by an engine program that crashed, fell silent or answered no legal move
};

/// Who won a game, if anyone.
enum class TWinner { White, Black, Nobody };

/// A kernel board that remembers how its game ended.
class TRefereeBoard : public TVeltanBrdKernel {
public:
    /// A board that ends the game on a draw and notes why.
    TRefereeBoard();

    /// The winner as the board announced it; Nobody while playing or after a draw.
    TWinner Winner() const;
    /// Why the finished game ended; meaningful only once GameEnded().
    TEndReason Reason() const;

protected:
    void ShowMessage(const std::string& text) override { messages_.push_back(text); }

private:
    // The last announcement of a win, or nullptr.
    const std::string* WinningMessage() const;

    std::vector<std::string> messages_;
    bool repetition_ = false;
    bool noMatingMaterial_ = false;
};
