#pragma once
// The command line of the match program: which opponent, how many games, how
// long the engine may think, how many games run at once and the random seed.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

/// The opponent the engine plays against.
enum class TOpponentKind { Random, Greedy };

inline constexpr int DefaultGames = 24;
inline constexpr int DefaultMsPerMove = 1000;
inline constexpr int DefaultMaxMoves = 1000;
inline constexpr std::uint64_t DefaultSeed = 1;
inline constexpr std::size_t DefaultHashMegabytes = 16;
inline constexpr int DefaultOpeningMoves = 4;
inline constexpr int DefaultAdjudicationPlies = 400;

/// Everything a match run is told on its command line.
struct TMatchOptions {
    TOpponentKind opponent = TOpponentKind::Random;
    int games = DefaultGames;
    int msPerMove = DefaultMsPerMove;
    /// Every move searched this deep at most (still never past msPerMove); 0: no depth limit.
    int depth = 0;
    /// Every move's search ends after this many positions (still never past msPerMove); 0: no limit.
    std::uint64_t nodes = 0;
    /// The built-in engine's strength step (TSearchLimits::strength); 0: full strength.
    int strength = 0;
    int threads = 1;
    std::uint64_t seed = DefaultSeed;
    /// Single moves after which an unfinished game counts as drawn.
    int maxMoves = DefaultMaxMoves;
    /// Empty ranks between each board edge and its armies (0..2).
    int rowShift = 0;
    /// Transposition table of each search.
    std::size_t hashMegabytes = DefaultHashMegabytes;
    /// With both set, two engine programs play each other instead of the
    /// built-in search against a simple opponent.
    std::string enginePath;
    std::string opponentPath;
    /// Search threads of each program (setoption Threads), sent only when above one.
    int engineSearchThreads = 1;
    int opponentSearchThreads = 1;
    /// Options each program is given before its first game, as "Name=Value"
    /// (setoption name Name value Value), in the order given.
    std::vector<std::string> engineOptions;
    std::vector<std::string> opponentOptions;
    /// Random single moves that open each pair of games between programs.
    int openingMoves = DefaultOpeningMoves;
    /// Single moves a side makes before the board decides a game between programs.
    int adjudicationPlies = DefaultAdjudicationPlies;

    /// True when two engine programs play.
    bool ProgramsPlay() const { return !enginePath.empty(); }
};

/// The outcome of reading a command line: options, or help wanted, or an error text.
struct TParsedCommandLine {
    std::optional<TMatchOptions> options;
    bool helpWanted = false;
    std::string error;
};

/// Reads the arguments after the program name; both "--games 10" and
/// "--games=10" are accepted. Values out of range are errors, not clamped.
TParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments);

/// The usage text printed for --help and after a bad command line.
std::string UsageText();

/// "random" or "greedy".
std::string OpponentName(TOpponentKind kind);
