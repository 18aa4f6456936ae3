#pragma once
// The computer player's search: iterative deepening alpha-beta over moves of
// single team players, with quiescence on captures, a transposition table
// and move ordering by captured value, killer moves and history. A team may
// make several moves in a row, so the score changes sign only where the
// team to move changes.

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <thread>
#include <utility>
#include <vector>

#include "engineGame.h"
#include "transpositionTable.h"

/// What a search may spend.
struct TSearchLimits {
    /// Deepest iteration, in moves of single players (1 or more).
    int maxDepth = 64;
    /// Time for the whole search; zero for no limit.
    std::chrono::milliseconds moveTime{0};
    /// Positions the main search visits at most; zero for no limit.
    std::uint64_t maxNodes = 0;
    /// Threads searching together (1 to MaxSearchThreads): helpers search the
    /// same position beside the main search and share its table; the main
    /// search's move is the one played. One thread searches deterministically.
    int threads = 1;
    /// A strength step, 1 to StrengthSteps (searchStrength.h): its budget
    /// tightens the limits above and it chooses as that step does; every step
    /// below the strongest searches on one thread. 0 searches at full strength.
    int strength = 0;
    /// With a strength step, what it overlooks and how it blurs scores come
    /// from this and the position: the same seed plays the same moves.
    std::uint64_t seed = 0;
};

/// The most threads a search uses.
inline constexpr int MaxSearchThreads = 64;

/// The move a search chose. from is SqrNone when the player has no legal move.
struct TEngineMove {
    Square from = SqrNone;
    Square to = SqrNone;     ///< for castling the rook's square, as the board takes it
    int score = 0;           ///< centipawns for the team to move; beyond WinScore - MaxPly a forced win
    int depth = 0;           ///< deepest completed iteration (0: no iteration finished)
    std::uint64_t nodes = 0; ///< positions visited by all threads together
};

/// A time for one move out of a team's clock. The last half minute is kept
/// back: above it a turn gets about a thirtieth of what lies above it, within
/// it a thousandth of what is left, plus most of the increment either way;
/// the turn's moves share that, never more than a quarter of what may be
/// spent and at least 1 ms.
std::chrono::milliseconds MoveTimeFor(std::chrono::milliseconds remaining,
                                      std::chrono::milliseconds increment, int movesPerTeamTurn);

/// Scores at or beyond this value (or its negative) are won (lost) games.
inline constexpr int WinScore = 1'000'000;
/// Scores beyond this (or below its negative) are forced wins (losses):
/// WinScore less the single moves to the end of the game.
inline constexpr int WinBound = WinScore - 1000;

/// A move in board squares; for castling the king's square, then the rook's.
using TSquareMove = std::pair<Square, Square>;

/// What the search knows after a completed iteration.
struct TSearchProgress {
    int depth = 0;           ///< the iteration just completed
    int score = 0;           ///< as TEngineMove::score
    std::uint64_t nodes = 0; ///< positions visited since the search began
    std::chrono::milliseconds elapsed{0};
    std::vector<TSquareMove> line; ///< the expected line of play, the best move first
};

/// Told of each completed iteration, on the searching thread.
using TProgressReport = std::function<void(const TSearchProgress&)>;

/// A search on its own copy of a game. Not shared between threads: one thread
/// runs FindMove (which may start helper threads of its own) while others may
/// only set the stop flag.
class TSearch {
public:
    /// Deepest line the search follows, moves and captures together.
    static constexpr int MaxPly = 96;

    /// A search of the game with a transposition table of about hashMegabytes.
    explicit TSearch(engine::TEngineGame game, std::size_t hashMegabytes = 16);
    ~TSearch();
    TSearch(const TSearch&) = delete;
    TSearch& operator=(const TSearch&) = delete;

    /// Searches the current team player's best move until the limits are
    /// reached or `stop` becomes true (checked every few hundred positions).
    /// Always returns a legal move when one exists, even when stopped at once.
    /// With limits.threads above one, helper threads search beside it until
    /// it returns.
    TEngineMove FindMove(const TSearchLimits& limits, const std::atomic<bool>& stop);

    /// Searches `game` from now on, keeping the table's memory. With
    /// keepLearnt the positions stored so far stay (the rules are the same);
    /// otherwise the table starts empty.
    void Reset(engine::TEngineGame game, bool keepLearnt);

    /// The game searched (unchanged by the search).
    const engine::TEngineGame& Game() const { return game_; }

    /// After each completed iteration FindMove calls `report` (when set)
    /// with the line read back from the table. Reading it changes nothing
    /// the search chooses; without a report it is not read at all.
    void SetProgressReport(TProgressReport report) { report_ = std::move(report); }

private:
    // A helper of a parallel search: its own game, killers and history, the main search's table.
    TSearch(const engine::TEngineGame& game, std::shared_ptr<engine::TTranspositionTable> table);

    struct TScoredMove {
        engine::TCellMove move;
        int order;
    };

    int Search(int depth, int alpha, int beta, int ply);
    int Quiesce(int alpha, int beta, int ply);
    int SettledSearch(int depth, int alpha, int beta, int ply);
    int Child(bool sameTeam, int depth, int alpha, int beta, int ply);
    int QuiesceChild(bool sameTeam, int alpha, int beta, int ply);
    void OrderMoves(std::vector<engine::TCellMove>& generated, std::vector<TScoredMove>& scored,
                    engine::TCellMove ttMove, int ply) const;
    static engine::TCellMove NextMove(std::vector<TScoredMove>& moves, std::size_t index);
    static engine::TCellMove PickNext(std::vector<TScoredMove>& moves, std::size_t index);
    int CaptureValue(engine::TCellMove move) const;
    void RememberQuietCutoff(engine::TCellMove move, int depth, int ply);
    bool IsCapture(engine::TCellMove move) const;
    // True when a king of the team to move stands attacked.
    bool KingsInDanger() const;
    bool ShouldStop();
    void StartSearch(const TSearchLimits& limits, const std::atomic<bool>& stop,
                     std::chrono::steady_clock::time_point start);
    TEngineMove IterativeDeepening(const TSearchLimits& limits, int firstDepth,
                                   std::chrono::steady_clock::time_point start);
    // The move a strength step that blurs scores plays, from the root's scores of one iteration.
    engine::TCellMove BlurredChoice(const std::vector<engine::TCellMove>& moves,
                                    const std::vector<int>& scores) const;
    void StartHelpers(const TSearchLimits& limits);
    std::uint64_t StopHelpers();
    int CachedEvaluation();
    std::vector<TSquareMove> ExpectedLine(engine::TCellMove first, int length) const;

    struct TEvaluationEntry {
        std::uint64_t key = 0;
        int score = 0;
    };
    static constexpr std::size_t EvaluationCacheSize = 1 << 15;

    engine::TEngineGame game_;
    // Shared with the helpers of a parallel search.
    std::shared_ptr<engine::TTranspositionTable> table_;
    std::array<std::array<engine::TCellMove, 2>, MaxPly + 1> killers_{};
    std::vector<int> history_;
    // The same position comes up often, since the moves of one turn may come in any order.
    std::vector<TEvaluationEntry> evaluations_;
    std::array<std::vector<engine::TCellMove>, MaxPly + 1> generated_;
    std::array<std::vector<TScoredMove>, MaxPly + 1> ordered_;
    std::array<engine::TUndo, MaxPly + 1> undo_;
    // Set for a node reached by giving up a turn: it may not give up its own.
    std::array<bool, MaxPly + 2> passedBefore_{};

    const std::atomic<bool>* stop_ = nullptr;
    std::chrono::steady_clock::time_point deadline_{};
    bool hasDeadline_ = false;
    std::uint64_t maxNodes_ = 0;
    int strength_ = 0;
    std::uint64_t seed_ = 0;
    std::uint64_t nodes_ = 0;
    std::uint64_t nextPoll_ = 0;
    bool stopped_ = false;
    TProgressReport report_;

    // The helpers of a parallel search, kept from search to search, their
    // threads, and the flag that ends them when the main search returns.
    std::vector<std::unique_ptr<TSearch>> helpers_;
    std::vector<std::thread> helperThreads_;
    std::atomic<bool> helpersStop_{false};
};
