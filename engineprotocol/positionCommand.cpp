// Every part of the command is checked before anything is built, and the
// moves are played on a board of its own, so a refused command leaves the
// game the engine had untouched.

#include "positionCommand.h"

#include <array>

#include "commandWords.h"
#include "startPositionCatalogue.h"

namespace {

constexpr std::array<std::string_view, catalogue::EntryCount> EntryNames = {"standard", "quadrant",
                                                                            "castling"};
constexpr std::string_view BoardForm = "board";
constexpr std::string_view MovesWord = "moves";
// Markers are letters of the board too: a start taken from a game in play may hold them.
constexpr std::string_view BoardLetters = "PNBRQKEpnbrqke";
constexpr std::string_view RealPieces = "PNBRQKpnbrqk";
constexpr std::string_view Owners = "01234";
constexpr char BlankInText = '.';
constexpr char Blank = ' ';
// Words before the moves: an entry, its row shift and the turn rules; or the
// board form's keyword, letters, owners and turn rules.
constexpr std::size_t CatalogueWords = 4;
constexpr std::size_t BoardWords = 5;

struct TStart {
    std::string letters;
    std::string owners;
    TTurnRules rules;
};

std::string ReadRules(const std::vector<std::string>& words, std::size_t at, TTurnRules& rules)
{
    constexpr std::int64_t MostMoves = MaxMovesPerTeamTurn;
    const auto moves = ReadNumber(words[at], 1, MostMoves);
    const auto players = ReadNumber(words[at + 1], 1, MostMoves);
    if (!moves)
        return "moves per team turn must be 1, 2 or 4, not " + Quoted(words[at]);
    if (!players)
        return "players per team must be 1, 2 or 4, not " + Quoted(words[at + 1]);
    rules = {static_cast<int>(*moves), static_cast<int>(*players)};
    return TurnRulesProblem(rules);
}

std::string ReadCatalogueStart(const std::vector<std::string>& words, TStart& start)
{
    const std::optional<int> entry = CatalogueEntryNamed(words[0]);
    if (!entry)
        return Quoted(words[0]) + " is no start position (standard, quadrant, castling or board)";
    const auto shift = ReadNumber(words[1], 0, catalogue::MaxRowShift);
    if (!shift)
        return "the row shift must be 0, 1 or 2, not " + Quoted(words[1]);
    if (std::string problem = ReadRules(words, 2, start.rules); !problem.empty())
        return problem;
    start.letters = catalogue::CataloguePosition(*entry, static_cast<int>(*shift));
    start.owners = catalogue::CataloguePlayers(*entry, static_cast<int>(*shift), start.rules.playersPerTeam);
    return {};
}

// One square per character, blanks written as '.'.
std::string ReadSquares(const std::string& word, std::string_view allowed, const std::string& what,
                        std::string& squares)
{
    if (word.size() != static_cast<std::size_t>(SquareCount))
        return "the " + what + " have " + std::to_string(word.size()) + " characters instead of " +
               std::to_string(SquareCount);
    squares = word;
    for (std::size_t i = 0; i < squares.size(); ++i) {
        char& c = squares[i];
        if (c == BlankInText)
            c = Blank;
        else if (allowed.find(c) == std::string_view::npos)
            return "the " + what + " have " + Quoted(std::string_view(&c, 1)) + " on " +
                   TVeltanBrdKernel::SquareToString(static_cast<Square>(i + 1)) + ", which is none of " +
                   std::string(allowed) + " or '.'";
    }
    return {};
}

std::string ReadBoardStart(const std::vector<std::string>& words, TStart& start)
{
    if (std::string problem = ReadSquares(words[1], BoardLetters, "start letters", start.letters);
        !problem.empty())
        return problem;
    if (std::string problem = ReadSquares(words[2], Owners, "start owners", start.owners); !problem.empty())
        return problem;
    for (std::size_t i = 0; i < start.letters.size(); ++i) {
        if (RealPieces.find(start.letters[i]) != std::string_view::npos &&
            (start.owners[i] < '1' || start.owners[i] > '4'))
            return "the piece on " + TVeltanBrdKernel::SquareToString(static_cast<Square>(i + 1)) +
                   " belongs to no player";
    }
    return ReadRules(words, 3, start.rules);
}

std::string RulesAndMoves(TTurnRules rules, const std::vector<std::string>& moves)
{
    std::string text =
        " " + std::to_string(rules.movesPerTeamTurn) + " " + std::to_string(rules.playersPerTeam);
    if (!moves.empty())
        text += " " + std::string(MovesWord);
    for (const std::string& move : moves)
        text += " " + move;
    return text;
}

} // namespace

std::string CataloguePositionCommand(int entry, int rowShift, TTurnRules rules,
                                     const std::vector<std::string>& moves)
{
    return "position " + CatalogueEntryName(entry) + " " + std::to_string(rowShift) +
           RulesAndMoves(rules, moves);
}

std::string BoardPositionCommand(const std::string& letters, const std::string& owners, TTurnRules rules,
                                 const std::vector<std::string>& moves)
{
    return "position " + std::string(BoardForm) + " " + BoardFormText(letters) + " " + BoardFormText(owners) +
           RulesAndMoves(rules, moves);
}

std::optional<int> CatalogueEntryNamed(std::string_view name)
{
    for (std::size_t i = 0; i < EntryNames.size(); ++i) {
        if (EntryNames[i] == name)
            return static_cast<int>(i);
    }
    return std::nullopt;
}

std::string CatalogueEntryName(int entry)
{
    return entry >= 0 && entry < catalogue::EntryCount
               ? std::string(EntryNames[static_cast<std::size_t>(entry)])
               : std::string();
}

std::string BoardFormText(const std::string& squares)
{
    std::string text = squares;
    for (char& c : text) {
        if (c == Blank)
            c = BlankInText;
    }
    return text;
}

TPositionReading ReadPosition(const std::vector<std::string>& words)
{
    TPositionReading reading;
    const bool boardForm = !words.empty() && words[0] == BoardForm;
    const std::size_t fixed = boardForm ? BoardWords : CatalogueWords;
    if (words.size() < fixed) {
        reading.problem = boardForm ? "the board form wants letters, owners, moves per team turn and players "
                                      "per team"
                                    : "wants a start position, a row shift, moves per team turn and players "
                                      "per team";
        return reading;
    }
    if (words.size() > fixed && words[fixed] != MovesWord) {
        reading.problem = "expected 'moves' after the start, not " + Quoted(words[fixed]);
        return reading;
    }
    TStart start;
    reading.problem = boardForm ? ReadBoardStart(words, start) : ReadCatalogueStart(words, start);
    if (!reading.problem.empty())
        return reading;

    auto game = std::make_unique<TVeltanBrdKernel>();
    StartRefereedGame(*game, start.letters, start.owners, start.rules);
    for (std::size_t i = fixed + 1; i < words.size(); ++i) {
        const std::string number = "move " + std::to_string(i - fixed) + " " + Quoted(words[i]);
        const std::optional<TProtocolMove> move = ReadMoveText(words[i]);
        if (!move) {
            reading.problem = number + " is not written as from-square and to-square, such as E04E06";
            return reading;
        }
        if (std::string problem = PlayRefereedMove(*game, *move); !problem.empty()) {
            reading.problem = number + ": " + problem;
            return reading;
        }
    }
    reading.game = std::move(game);
    return reading;
}
