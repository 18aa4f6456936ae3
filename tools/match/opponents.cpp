#include "opponents.h"

#include <algorithm>
#include <vector>

#include "engineGame.h"

namespace {

constexpr int PawnWorth = 1;
constexpr int KnightWorth = 3;
constexpr int BishopWorth = 3;
constexpr int RookWorth = 5;
constexpr int QueenWorth = 9;
// More than all other pieces of a side together: taking a king comes first.
constexpr int KingWorth = 1000;

int LetterWorth(char lowerLetter)
{
    switch (lowerLetter) {
    case 'p':
    case 'e': // an en passant marker: the pawn that left it is taken
        return PawnWorth;
    case 'n':
        return KnightWorth;
    case 'b':
        return BishopWorth;
    case 'r':
        return RookWorth;
    case 'q':
        return QueenWorth;
    case 'k':
        return KingWorth;
    default:
        return 0;
    }
}

bool IsWhiteLetter(char letter)
{
    return letter >= 'A' && letter <= 'Z';
}

bool IsBlackLetter(char letter)
{
    return letter >= 'a' && letter <= 'z';
}

TSquarePair PickAny(const std::vector<TSquarePair>& moves, std::mt19937_64& random)
{
    std::uniform_int_distribution<std::size_t> pick(0, moves.size() - 1);
    return moves[pick(random)];
}

} // namespace

std::vector<TSquarePair> LegalMoves(const TVeltanBrdKernel& board)
{
    // The engine's generator gives exactly the moves the board's MoveIsLegal accepts.
    std::vector<engine::TCellMove> generated;
    engine::TEngineGame(board).GenerateMoves(generated);
    std::vector<TSquarePair> moves;
    moves.reserve(generated.size());
    for (const engine::TCellMove& m : generated)
        moves.emplace_back(engine::SquareAtCell(m.from), engine::SquareAtCell(m.to));
    return moves;
}

int CaptureWorth(const TVeltanBrdKernel& board, Square to)
{
    const char letter = board.PieceOn(to);
    const bool enemy = board.WhiteToMove() ? IsBlackLetter(letter) : IsWhiteLetter(letter);
    if (!enemy)
        return 0;
    const char lower = IsWhiteLetter(letter) ? static_cast<char>(letter - 'A' + 'a') : letter;
    return LetterWorth(lower);
}

std::optional<TSquarePair> ChooseOpponentMove(TOpponentKind kind, const TVeltanBrdKernel& board,
                                              std::mt19937_64& random)
{
    const std::vector<TSquarePair> moves = LegalMoves(board);
    if (moves.empty())
        return std::nullopt;
    if (kind == TOpponentKind::Random)
        return PickAny(moves, random);

    int best = 0;
    for (const TSquarePair& m : moves)
        best = std::max(best, CaptureWorth(board, m.second));
    std::vector<TSquarePair> bestMoves;
    for (const TSquarePair& m : moves) {
        if (CaptureWorth(board, m.second) == best)
            bestMoves.push_back(m);
    }
    return PickAny(bestMoves, random);
}
