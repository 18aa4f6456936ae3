// Conversations with the engine: the commands an interface sends and the
// lines that must come back, grouped by what they show. Searches run on the
// engine's own thread; a conversation waits for a bestmove only where it says
// so, and ends with `quit`, which stops any search still running.

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <regex>

#include "commandWords.h"
#include "positionCommand.h"
#include "protocolSession.h"

namespace {

// A command that is not sent: the conversation waits for the next bestmove.
const std::string AwaitBestMove = "(await bestmove)";
// An expected line starting with this is a regular expression.
const std::string Pattern = "re:";
const std::string AnyBestMove = Pattern + "bestmove [A-P](0[1-9]|1[0-6])[A-P](0[1-9]|1[0-6])";
constexpr auto LongestWait = std::chrono::seconds(60);

struct TPiece {
    const char* square;
    char letter;
};

// The board form of a game with the pieces, all owned by player 1.
std::string BoardPosition(std::initializer_list<TPiece> pieces, const std::string& moves = "")
{
    std::string letters(SquareCount, ' '), owners(SquareCount, '0');
    for (const TPiece& piece : pieces) {
        const auto index = static_cast<std::size_t>(TVeltanBrdKernel::AnsiStringToSquare(piece.square) - 1);
        letters[index] = piece.letter;
        owners[index] = '1';
    }
    return BoardPositionCommand(letters, owners, {1, 1}, SplitWords(moves));
}

// White's queen takes Black's only king with its first move.
std::string KingInReach(const std::string& moves = "")
{
    return BoardPosition({{"A01", 'K'}, {"A08", 'Q'}, {"A16", 'k'}}, moves);
}

// A White pawn one step from promotion, the kings far apart. A knight jumps
// one and four squares, or two and three.
std::string PawnBeforePromotion(const std::string& moves)
{
    return BoardPosition({{"A01", 'K'}, {"E15", 'P'}, {"P16", 'k'}}, moves);
}

struct TConversationCase {
    const char* name;
    std::vector<std::string> commands;
    std::vector<std::string> answers;
    bool keepsInfoLines = false; ///< otherwise the search's "info depth" lines are left out
};

void PrintTo(const TConversationCase& c, std::ostream* os)
{
    *os << c.name;
}

// The engine's lines as they come, from either of its threads.
class TListener {
public:
    void Hear(const std::string& line)
    {
        const std::lock_guard lock(mutex_);
        lines_.push_back(line);
        if (line.starts_with("bestmove"))
            ++bestMoves_;
        heard_.notify_all();
    }

    bool AwaitBestMoves(int count)
    {
        std::unique_lock lock(mutex_);
        return heard_.wait_for(lock, LongestWait, [&] { return bestMoves_ >= count; });
    }

    std::vector<std::string> Lines()
    {
        const std::lock_guard lock(mutex_);
        return lines_;
    }

private:
    std::mutex mutex_;
    std::condition_variable heard_;
    std::vector<std::string> lines_;
    int bestMoves_ = 0;
};

bool Matches(const std::string& expected, const std::string& line)
{
    if (expected.starts_with(Pattern))
        return std::regex_match(line, std::regex(expected.substr(Pattern.size())));
    return line == expected;
}

class Conversation : public testing::TestWithParam<TConversationCase> {};

TEST_P(Conversation, AnswersAsExpected)
{
    const TConversationCase& c = GetParam();
    TListener listener;
    TSessionSettings settings;
    settings.name = "Veltan test";
    {
        TProtocolSession session(settings, [&listener](const std::string& line) { listener.Hear(line); });
        int awaited = 0;
        for (const std::string& command : c.commands) {
            if (command == AwaitBestMove)
                ASSERT_TRUE(listener.AwaitBestMoves(++awaited)) << "no bestmove came";
            else
                ASSERT_TRUE(session.HandleLine(command)) << command;
        }
        EXPECT_FALSE(session.HandleLine("quit"));
    }
    std::vector<std::string> lines = listener.Lines();
    if (!c.keepsInfoLines)
        std::erase_if(lines, [](const std::string& line) { return line.starts_with("info depth"); });
    ASSERT_EQ(lines.size(), c.answers.size()) << testing::PrintToString(lines);
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_TRUE(Matches(c.answers[i], lines[i])) << "line " << i << ": " << lines[i];
}

// ---- Greeting, readiness and options ------------------------------------------

const TConversationCase Handshake[] = {
    {"IntroducesItselfAndItsOptions",
     {"vep", "isready"},
     {"id name Veltan test", "id author the Veltan developers",
      "option name Threads type spin default 1 min 1 max 64",
      "option name Hash type spin default 16 min 1 max 4096",
      "option name Strength type spin default 0 min 0 max 8", "vepok", "readyok"}},
    {"TakesOptionsQuietlyInAnyCase",
     {"setoption name Hash value 1", "setoption name hash value 2", "setoption name THREADS value 1",
      "go depth 1", AwaitBestMove},
     {AnyBestMove}},
    {"EmptyLinesAndSurroundingBlanksAreNothing", {"", "   ", "\tisready \r"}, {"readyok"}},
};
INSTANTIATE_TEST_SUITE_P(Handshake, Conversation, testing::ValuesIn(Handshake),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Positions: both forms, moves by the game's rules, the end of a game ------

const TConversationCase Positions[] = {
    {"CatalogueGameWithMoves",
     {"position standard 0 1 1 moves E04E06 E13E11", "go depth 1", AwaitBestMove},
     {AnyBestMove}},
    {"EveryCatalogueEntryAndTurnRule",
     {"position quadrant 2 2 2", "position castling 1 4 4", "position standard 0 4 1", "go depth 1",
      AwaitBestMove},
     {AnyBestMove}},
    {"BoardFormForcedWinWithItsInfoLine",
     {KingInReach(), "go depth 1", AwaitBestMove},
     {Pattern + "info depth 1 score win 1 nodes [0-9]+ nps [0-9]+ time [0-9]+ pv A08A16", "bestmove A08A16"},
     true},
    {"CastlingIsKingThenRook",
     {"position castling 0 1 1 moves J01O01 J16O16 M01K01", "position castling 0 1 1 moves J01N01"},
     {"info string position: move 1 'J01N01': not a legal move for White"}},
    {"PromotionLetterHoldsForThatMove",
     {PawnBeforePromotion("E15E16n P16P15 E16G13"), PawnBeforePromotion("E15E16 P16P15 E16G13")},
     {"info string position: move 3 'E16G13': not a legal move for White"}},
    {"BestMoveNoneWhenTheGameIsOver",
     {KingInReach("A08A16"), "go depth 1", "go infinite"},
     {"bestmove none", "bestmove none"}},
    {"NoMoveAfterTheGameIsOver",
     {KingInReach("A08A16 A01A02")},
     {"info string position: move 2 'A01A02': the game is over"}},
    {"NewGameGoesBackToTheStandardStart",
     {KingInReach(), "newgame", "go depth 1", AwaitBestMove},
     {Pattern + "bestmove [A-P]0[1-4][A-P](0[1-9]|1[0-6])"}},
};
INSTANTIATE_TEST_SUITE_P(Positions, Conversation, testing::ValuesIn(Positions),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Searching: limits, stop, isready while thinking -----------------------------

const TConversationCase Searching[] = {
    {"EachLimitEndsTheSearch",
     {"position quadrant 0 2 1", "go nodes 500", AwaitBestMove, "go movetime 0", AwaitBestMove,
      "go wtime 100 btime 100 winc 0 binc 0", AwaitBestMove, "go movetime 50 depth 2", AwaitBestMove},
     {AnyBestMove, AnyBestMove, AnyBestMove, AnyBestMove}},
    {"StopEndsAnInfiniteSearch",
     {"position standard 0 1 1", "go infinite", "isready", "stop", AwaitBestMove},
     {"readyok", AnyBestMove}},
    {"AGoWithoutLimitsWaitsForStop", {"go", "isready", "stop", AwaitBestMove}, {"readyok", AnyBestMove}},
    // The weakest step overlooks moves, but never a king left to be taken;
    // Strength 0 is the full search again.
    {"EveryStrengthTakesAKingInReach",
     {KingInReach(), "setoption name Strength value 1", "go depth 3", AwaitBestMove,
      "setoption name Strength value 8", "go nodes 2000", AwaitBestMove, "setoption name Strength value 0",
      "go depth 1", AwaitBestMove},
     {"bestmove A08A16", "bestmove A08A16", "bestmove A08A16"}},
    {"APositionWhileSearchingIsForTheNextGo",
     {"go infinite", KingInReach(), "stop", AwaitBestMove, "go depth 1", AwaitBestMove},
     {AnyBestMove, "bestmove A08A16"}},
    {"NothingNewWhileSearching",
     {"go infinite", "go depth 1", "setoption name Hash value 1", "newgame", "stop", "stop", AwaitBestMove},
     {"info string go: not while searching; send stop first",
      "info string setoption: not while searching; send stop first",
      "info string newgame: not while searching; send stop first", AnyBestMove}},
    {"AGoRightAfterStopFollowsItsBestMove",
     {"go infinite", "stop", "go depth 1", AwaitBestMove, AwaitBestMove},
     {AnyBestMove, AnyBestMove}},
    {"QuitStopsASearch", {"go infinite"}, {AnyBestMove}},
    {"StopWithoutASearchIsNothing", {"stop"}, {}},
};
INSTANTIATE_TEST_SUITE_P(Searching, Conversation, testing::ValuesIn(Searching),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Refused input: one line each, and the game the engine had stays ------------

const TConversationCase Refused[] = {
    {"UnknownCommandsAndArguments",
     {"hello", "isready now", "vep 2", "stop please", std::string("go\x01\xff", 4)},
     {"info string unknown command 'hello'", "info string isready: takes no arguments",
      "info string vep: takes no arguments", "info string stop: takes no arguments",
      "info string unknown command 'go?"
      "?'"}},
    {"MalformedCatalogueStarts",
     {"position", "position standard 0 1", "position circle 0 1 1", "position standard 3 1 1",
      "position standard 0 3 1", "position standard 0 1 2", "position standard 0 1 x",
      "position standard 0 1 1 E04E06"},
     {"info string position: wants a start position, a row shift, moves per team turn and players per team",
      "info string position: wants a start position, a row shift, moves per team turn and players per team",
      "info string position: 'circle' is no start position (standard, quadrant, castling or board)",
      "info string position: the row shift must be 0, 1 or 2, not '3'",
      "info string position: moves per team turn must be 1, 2 or 4",
      "info string position: a team turn needs at least one move for each player",
      "info string position: players per team must be 1, 2 or 4, not 'x'",
      "info string position: expected 'moves' after the start, not 'E04E06'"}},
    {"MalformedBoardForms",
     {"position board abc 000 1 1",
      "position board " + std::string(SquareCount, 'X') + " " + std::string(SquareCount, '0') + " 1 1",
      "position board K" + std::string(SquareCount - 1, '.') + " " + std::string(SquareCount, '0') + " 1 1"},
     {"info string position: the start letters have 3 characters instead of 256",
      "info string position: the start letters have 'X' on A16, which is none of PNBRQKEpnbrqke or '.'",
      "info string position: the piece on A16 belongs to no player"}},
    {"MalformedAndIllegalMoves",
     {"position standard 0 1 1 moves E4E6", "position standard 0 1 1 moves e04e06",
      "position standard 0 1 1 moves E04E06N", "position standard 0 1 1 moves E04F05",
      "position standard 0 1 1 moves E04E06 E13E11 E06E07q", "position standard 0 1 1 moves E04Q06"},
     {"info string position: move 1 'E4E6' is not written as from-square and to-square, such as E04E06",
      "info string position: move 1 'e04e06' is not written as from-square and to-square, such as E04E06",
      "info string position: move 1 'E04E06N' is not written as from-square and to-square, such as E04E06",
      "info string position: move 1 'E04F05': not a legal move for White",
      "info string position: move 3 'E06E07q': a promotion letter goes only with a pawn's move to the last "
      "rank",
      "info string position: move 1 'E04Q06' is not written as from-square and to-square, such as E04E06"}},
    {"ARefusedPositionKeepsTheGame",
     {KingInReach(), "position standard 9 1 1", KingInReach("A08H08 A16B16 H08H09 B16B13"), "go depth 1",
      AwaitBestMove},
     {"info string position: the row shift must be 0, 1 or 2, not '9'",
      "info string position: move 4 'B16B13': not a legal move for Black", "bestmove A08A16"}},
    {"MalformedGo",
     {"go depth 0", "go depth 96", "go depth", "go nodes -5", "go movetime 1e3", "go sideways 3",
      "go infinite depth 3"},
     {"info string go: depth wants a number from 1 to 95, not '0'",
      "info string go: depth wants a number from 1 to 95, not '96'", "info string go: depth wants a number",
      "info string go: nodes wants a number from 1 to 9223372036854775807, not '-5'",
      "info string go: movetime wants a number from 0 to 1000000000000, not '1e3'",
      "info string go: 'sideways' is no limit (movetime, depth, nodes, wtime, btime, winc, binc or infinite)",
      "info string go: infinite searches until stop and takes no other limit"}},
    {"MalformedSetOption",
     {"setoption Hash 3", "setoption name Colour value 3", "setoption name Hash value 0",
      "setoption name Threads value 65", "setoption name Strength value 9"},
     {"info string setoption: is written setoption name <Name> value <V>",
      "info string setoption: there is no option 'Colour'",
      "info string setoption: Hash wants a number from 1 to 4096, not '0'",
      "info string setoption: Threads wants a number from 1 to 64, not '65'",
      "info string setoption: Strength wants a number from 0 to 8, not '9'"}},
    {"LongGarbageIsQuotedShort",
     {std::string(100, 'z')},
     {"info string unknown command 'zzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzz...'"}},
};
INSTANTIATE_TEST_SUITE_P(Refused, Conversation, testing::ValuesIn(Refused),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
