#include "refereeBoard.h"

namespace {

// The endings of the board's announcements of a win.
const std::string WhiteWins = "White has won!";
const std::string BlackWins = "Black has won!";

bool EndsWith(const std::string& text, const std::string& tail)
{
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

} // namespace

TRefereeBoard::TRefereeBoard()
{
    OnThreefoldPosition = [this](TVeltanBrdKernel&) { repetition_ = true; };
    OnNoMatingMaterial = [this](TVeltanBrdKernel&) { noMatingMaterial_ = true; };
    // With a draw handler attached the board ends a drawn game itself.
    OnDraw = [](TVeltanBrdKernel&) {};
}

const std::string* TRefereeBoard::WinningMessage() const
{
    for (auto it = messages_.rbegin(); it != messages_.rend(); ++it) {
        if (EndsWith(*it, WhiteWins) || EndsWith(*it, BlackWins))
            return &*it;
    }
    return nullptr;
}

TWinner TRefereeBoard::Winner() const
{
    const std::string* message = WinningMessage();
    if (message == nullptr)
        return TWinner::Nobody;
    return EndsWith(*message, WhiteWins) ? TWinner::White : TWinner::Black;
}

TEndReason TRefereeBoard::Reason() const
{
    if (const std::string* message = WinningMessage())
        return message->find("cannot move") != std::string::npos ? TEndReason::CannotMove
                                                                 : TEndReason::KingsCaptured;
    if (repetition_)
        return TEndReason::Repetition;
    if (noMatingMaterial_)
        return TEndReason::NoMatingMaterial;
    return TEndReason::NoMove;
}
