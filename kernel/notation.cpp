// Board representation: the character arrays, square notation and the
// queries every rule and every view routine is written in.

#include <algorithm>
#include <cctype>
#include <cstring>

#include "veltanbrdKernel.h"

namespace {

constexpr const char* PieceAlphabet = " PNBRQKEpnbrqke";

bool IsPieceCharacter(char c)
{
    return c != '\0' && std::strchr(PieceAlphabet, c) != nullptr;
}

std::string Lowered(const std::string& text)
{
    std::string result = text;
    std::transform(result.begin(), result.end(), result.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return result;
}

bool IsStartKeyword(const std::string& value)
{
    const std::string lowered = Lowered(value);
    return lowered == "init" || lowered == "newgame";
}

// The getters read like a C string from index 1 so that a NUL written into
// the array by a replayed short record ends the text there.
std::string ArrayText(const TPosition& array)
{
    if (array[0] == '\0')
        return {};
    const auto end = std::find(array.begin() + 1, array.end(), '\0');
    return std::string(array.begin() + 1, end);
}

} // namespace

std::string TVeltanBrdKernel::position() const
{
    return ArrayText(_position);
}

void TVeltanBrdKernel::SetPosition(const std::string& value)
{
    CancelThinking();
    _position.fill(' ');
    _position[SquareCount + 1] = '\0';
    const std::size_t count = std::min<std::size_t>(value.size(), SquareCount);
    for (std::size_t i = 0; i < count; ++i) {
        const char c = value[i];
        if (c == '\0')
            break;
        if (IsPieceCharacter(c))
            _position[i + 1] = c;
    }
    if (IsStartKeyword(value))
        _position = _Startposition;
    Paint();
}

std::string TVeltanBrdKernel::players() const
{
    return ArrayText(_players);
}

void TVeltanBrdKernel::SetPlayers(const std::string& value)
{
    if (IsStartKeyword(value)) {
        _players = _Startplayers;
        return;
    }
    const std::size_t count = std::min<std::size_t>(value.size(), SquareCount);
    for (std::size_t i = 0; i < count; ++i)
        _players[i + 1] = value[i];
}

int TVeltanBrdKernel::XPos(Square sq)
{
    return IsBoardSquare(sq) ? FileOf(sq) : 0;
}

int TVeltanBrdKernel::YPos(Square sq)
{
    return IsBoardSquare(sq) ? RankOf(sq) : 0;
}

Square TVeltanBrdKernel::GetSquareFromXY(int x, int y)
{
    return SquareAt(x, y);
}

Square TVeltanBrdKernel::AnsiStringToSquare(const std::string& str)
{
    if (str.size() != 3)
        return SqrNone;
    const char file = static_cast<char>(std::tolower(static_cast<unsigned char>(str[0])));
    if (file < 'a' || file > 'p')
        return SqrNone;
    if (!std::isdigit(static_cast<unsigned char>(str[1])) ||
        !std::isdigit(static_cast<unsigned char>(str[2])))
        return SqrNone;
    const int rank = (str[1] - '0') * 10 + (str[2] - '0');
    return SquareAt(file - 'a' + 1, rank);
}

std::string TVeltanBrdKernel::SquareToString(Square sq)
{
    if (!IsBoardSquare(sq))
        return {};
    const int rank = RankOf(sq);
    return {static_cast<char>('A' + FileOf(sq) - 1), static_cast<char>('0' + rank / 10),
            static_cast<char>('0' + rank % 10)};
}

int TVeltanBrdKernel::ColorOfSquare(Square sq)
{
    if (!IsBoardSquare(sq))
        return 0;
    return (FileOf(sq) + RankOf(sq)) % 2 == 0 ? 1 : 0;
}

int TVeltanBrdKernel::ColorOfPieceOnSquare(Square sq, bool aIsPawnMove) const
{
    if (!IsBoardSquare(sq))
        return ColorNone;
    const char c = _position[sq];
    if (aIsPawnMove && (c == 'E' || c == 'e'))
        return ColorNone;
    if (c >= 'b' && c <= 'r')
        return ColorBlack;
    if (c >= 'B' && c <= 'R')
        return ColorWhite;
    return ColorNone;
}

int TVeltanBrdKernel::ColorOfPiece(char piece)
{
    if (piece != '\0' && std::strchr("NBRQ", piece) != nullptr)
        return ColorWhite;
    if (piece != '\0' && std::strchr("nbrq", piece) != nullptr)
        return ColorBlack;
    return ColorNone;
}

char TVeltanBrdKernel::PlayerOnSquare(Square sq) const
{
    if (!IsBoardSquare(sq) || _position[sq] == ' ')
        return '0';
    return _players[sq];
}

void TVeltanBrdKernel::CopyRecordIntoBoard(const MoveInfo& record)
{
    // Records are normally exactly 256 characters, but MoveList is public and
    // may hold anything: copy at most the squares, pad what is missing (empty
    // square, no owner) and keep unknown letters off the board.
    for (int sq = 1; sq <= SquareCount; ++sq) {
        const std::size_t i = static_cast<std::size_t>(sq - 1);
        const char piece = i < record.position.size() ? record.position[i] : ' ';
        _position[sq] = IsPieceCharacter(piece) ? piece : ' ';
        const char owner = i < record.players.size() ? record.players[i] : '0';
        _players[sq] = owner == '\0' ? '0' : owner;
    }
    _position[0] = ' ';
    if (_players[0] == '\0')
        _players[0] = '_';
    _position[SquareCount + 1] = '\0';
    _players[SquareCount + 1] = '\0';
}

std::string TVeltanBrdKernel::NormalisedRecordText(const std::string& text, char fill)
{
    std::string result = text.substr(0, std::min<std::size_t>(text.size(), SquareCount));
    result.resize(SquareCount, fill);
    std::replace(result.begin(), result.end(), '\0', fill);
    return result;
}
