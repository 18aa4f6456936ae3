#include "moveText.h"

#include "veltanbrdKernel.h"

namespace {

constexpr std::size_t SquareTextLength = 3;
constexpr std::size_t MoveTextLength = 2 * SquareTextLength;

bool IsPromotionLetter(char c)
{
    return c == 'n' || c == 'b' || c == 'r' || c == 'q';
}

// Only the board's own form: a capital file letter. The kernel's reader also
// takes small letters, but then "e15e16n" would be a second way to write a move.
Square ReadSquare(std::string_view text)
{
    if (text[0] < 'A' || text[0] > 'P')
        return SqrNone;
    return TVeltanBrdKernel::AnsiStringToSquare(std::string(text));
}

} // namespace

std::optional<TProtocolMove> ReadMoveText(std::string_view text)
{
    if (text.size() != MoveTextLength && text.size() != MoveTextLength + 1)
        return std::nullopt;
    TProtocolMove move;
    move.from = ReadSquare(text.substr(0, SquareTextLength));
    move.to = ReadSquare(text.substr(SquareTextLength, SquareTextLength));
    if (move.from == SqrNone || move.to == SqrNone)
        return std::nullopt;
    if (text.size() > MoveTextLength) {
        if (!IsPromotionLetter(text.back()))
            return std::nullopt;
        move.promotion = text.back();
    }
    return move;
}

std::string MoveText(Square from, Square to)
{
    return TVeltanBrdKernel::SquareToString(from) + TVeltanBrdKernel::SquareToString(to);
}
