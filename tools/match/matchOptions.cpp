#include "matchOptions.h"

#include <charconv>
#include <functional>
#include <map>

#include "searchStrength.h"
#include "veltanbrdKernel.h"

namespace {

constexpr int MaxGames = 1'000'000;
// An hour a move is far beyond any match anyone would wait for.
constexpr int MaxMsPerMove = 3'600'000;
constexpr int MaxThreads = 64;
// The deepest the search goes; a depth game is one that is quick and repeatable.
constexpr int MaxDepth = 64;
// As many positions as the protocol's go nodes takes.
constexpr std::uint64_t MaxNodes = 1'000'000'000'000;
constexpr int MaxRowShift = 2;
constexpr std::size_t MaxHashMegabytes = 4096;
// Far more would be no opening but a random game.
constexpr int MaxOpeningMoves = 40;

// Reads a whole decimal number; nothing may follow it.
template <typename T> std::optional<T> ReadNumber(const std::string& text)
{
    T value{};
    const char* const end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc{} || ptr != end || text.empty())
        return std::nullopt;
    return value;
}

// Stores a number within [low, high] into target; an error text otherwise.
template <typename T>
std::string ReadInRange(const std::string& name, const std::string& text, T low, T high, T& target)
{
    const std::optional<T> value = ReadNumber<T>(text);
    if (!value || *value < low || *value > high)
        return name + " wants a number from " + std::to_string(low) + " to " + std::to_string(high) +
               ", not '" + text + "'";
    target = *value;
    return {};
}

using TSetter = std::function<std::string(const std::string&, TMatchOptions&)>;

// A path is taken as it is: whether a program is there shows when it is started.
TSetter PathInto(std::string TMatchOptions::*field)
{
    return [field](const std::string& text, TMatchOptions& o) {
        o.*field = text;
        return std::string();
    };
}

// A program's option as Name=Value; each one given is added to the others.
// The words go on one protocol line, so neither may hold a blank or be empty.
TSetter OptionInto(std::vector<std::string> TMatchOptions::*field, const std::string& flag)
{
    return [field, flag](const std::string& text, TMatchOptions& o) {
        const std::size_t equals = text.find('=');
        const bool sound = equals != std::string::npos && equals > 0 && equals + 1 < text.size() &&
                           text.find_first_of(" \t\r\n") == std::string::npos;
        if (!sound)
            return flag + " is Name=Value without blanks, not '" + text + "'";
        (o.*field).push_back(text);
        return std::string();
    };
}

const std::map<std::string, TSetter>& Setters()
{
    static const std::map<std::string, TSetter> setters = {
        {"--opponent",
         [](const std::string& text, TMatchOptions& o) -> std::string {
             if (text == "random")
                 o.opponent = TOpponentKind::Random;
             else if (text == "greedy")
                 o.opponent = TOpponentKind::Greedy;
             else
                 return "--opponent is random or greedy, not '" + text + "'";
             return {};
         }},
        {"--games", [](const std::string& text,
                       TMatchOptions& o) { return ReadInRange("--games", text, 1, MaxGames, o.games); }},
        {"--ms-per-move",
         [](const std::string& text, TMatchOptions& o) {
             return ReadInRange("--ms-per-move", text, 1, MaxMsPerMove, o.msPerMove);
         }},
        {"--depth", [](const std::string& text,
                       TMatchOptions& o) { return ReadInRange("--depth", text, 0, MaxDepth, o.depth); }},
        {"--nodes",
         [](const std::string& text, TMatchOptions& o) {
             return ReadInRange<std::uint64_t>("--nodes", text, 0, MaxNodes, o.nodes);
         }},
        {"--strength",
         [](const std::string& text, TMatchOptions& o) {
             return ReadInRange("--strength", text, 0, StrengthSteps, o.strength);
         }},
        {"--engine-option", OptionInto(&TMatchOptions::engineOptions, "--engine-option")},
        {"--opponent-option", OptionInto(&TMatchOptions::opponentOptions, "--opponent-option")},
        {"--threads",
         [](const std::string& text, TMatchOptions& o) {
             return ReadInRange("--threads", text, 1, MaxThreads, o.threads);
         }},
        {"--seed",
         [](const std::string& text, TMatchOptions& o) {
             return ReadInRange<std::uint64_t>("--seed", text, 0, UINT64_MAX, o.seed);
         }},
        {"--max-moves",
         [](const std::string& text, TMatchOptions& o) {
             // The board's history holds no more moves than this.
             return ReadInRange("--max-moves", text, 1, MaxHistoryMoves, o.maxMoves);
         }},
        {"--row-shift",
         [](const std::string& text, TMatchOptions& o) {
             return ReadInRange("--row-shift", text, 0, MaxRowShift, o.rowShift);
         }},
        {"--engine", PathInto(&TMatchOptions::enginePath)},
        {"--opponent-engine", PathInto(&TMatchOptions::opponentPath)},
        {"--opening-moves",
         [](const std::string& text, TMatchOptions& o) {
             return ReadInRange("--opening-moves", text, 0, MaxOpeningMoves, o.openingMoves);
         }},
        {"--adjudicate-plies",
         [](const std::string& text, TMatchOptions& o) {
             return ReadInRange("--adjudicate-plies", text, 1, MaxHistoryMoves, o.adjudicationPlies);
         }},
        {"--engine-search-threads",
         [](const std::string& text, TMatchOptions& o) {
             return ReadInRange("--engine-search-threads", text, 1, MaxThreads, o.engineSearchThreads);
         }},
        {"--opponent-search-threads",
         [](const std::string& text, TMatchOptions& o) {
             return ReadInRange("--opponent-search-threads", text, 1, MaxThreads, o.opponentSearchThreads);
         }},
        {"--hash-mb",
         [](const std::string& text, TMatchOptions& o) {
             return ReadInRange<std::size_t>("--hash-mb", text, 1, MaxHashMegabytes, o.hashMegabytes);
         }},
    };
    return setters;
}

} // namespace

TParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments)
{
    TParsedCommandLine parsed;
    TMatchOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string name = arguments[i];
        if (name == "--help" || name == "-h") {
            parsed.helpWanted = true;
            return parsed;
        }
        std::string value;
        const std::size_t equals = name.find('=');
        if (equals != std::string::npos) {
            value = name.substr(equals + 1);
            name.resize(equals);
        } else if (i + 1 < arguments.size()) {
            value = arguments[++i];
        } else {
            parsed.error = name + " wants a value";
            return parsed;
        }
        const auto setter = Setters().find(name);
        if (setter == Setters().end()) {
            parsed.error = "unknown option '" + name + "'";
            return parsed;
        }
        parsed.error = setter->second(value, options);
        if (!parsed.error.empty())
            return parsed;
    }
    if (options.enginePath.empty() != options.opponentPath.empty()) {
        parsed.error = "--engine and --opponent-engine go together";
        return parsed;
    }
    if (options.ProgramsPlay() && options.strength != 0) {
        parsed.error = "--strength is for the built-in engine; a program takes --engine-option Strength=S";
        return parsed;
    }
    if (!options.ProgramsPlay() && (!options.engineOptions.empty() || !options.opponentOptions.empty())) {
        parsed.error = "--engine-option and --opponent-option are for programs (--engine)";
        return parsed;
    }
    parsed.options = options;
    return parsed;
}

std::string UsageText()
{
    return "usage: veltan_match [options]\n"
           "  --opponent random|greedy  the engine's opponent (default random)\n"
           "  --games N                 games to play (default " +
           std::to_string(DefaultGames) +
           ")\n"
           "  --ms-per-move M           engine thinking time per move in ms (default " +
           std::to_string(DefaultMsPerMove) +
           ")\n"
           "  --depth D                 search each move D deep at most, within its time (default 0: no "
           "limit)\n"
           "  --nodes N                 end each move's search after N positions, within its time (default "
           "0)\n"
           "  --strength S              the built-in engine's strength step, 1 (weakest) to " +
           std::to_string(StrengthSteps) +
           " (default 0: full strength)\n"
           "  --engine-option N=V       setoption name N value V for the --engine program (repeatable)\n"
           "  --opponent-option N=V     the same for the --opponent-engine program\n"
           "  --threads T               games played at once (default 1)\n"
           "  --seed S                  seed of the opponents' choices (default " +
           std::to_string(DefaultSeed) +
           ")\n"
           "  --max-moves K             single moves after which a game is drawn (default " +
           std::to_string(DefaultMaxMoves) +
           ")\n"
           "  --row-shift R             empty ranks before the armies, 0..2 (default 0)\n"
           "  --hash-mb H               transposition table per search in MB (default " +
           std::to_string(DefaultHashMegabytes) +
           ")\n"
           "  --engine PATH             an engine program (docs/engine-protocol.md) instead of the built-in "
           "search\n"
           "  --opponent-engine PATH    the engine program it plays against (with --engine)\n"
           "  --engine-search-threads T, --opponent-search-threads T\n"
           "                            search threads of each program (default 1)\n"
           "  --opening-moves N         random single moves opening each pair of program games (default " +
           std::to_string(DefaultOpeningMoves) +
           ")\n"
           "  --adjudicate-plies P      single moves of a side after which the board decides (default " +
           std::to_string(DefaultAdjudicationPlies) + ")\n";
}

std::string OpponentName(TOpponentKind kind)
{
    return kind == TOpponentKind::Greedy ? "greedy" : "random";
}
