// The search. Scores are always from the point of view of the team to move
// at the node; a child reached by a move that keeps the same team to move
// (the team has moves left in its turn) is searched with the same window and
// its score taken as it is, any other child with the window and score negated.

#include "search.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "evaluation.h"
#include "placementValues.h"
#include "searchStrength.h"
#include "zobrist.h"

using namespace engine;

namespace {

constexpr int Infinity = 2 * WinScore;
constexpr int PollInterval = 512;

// Order classes: the table's move, captures, killers, then by history.
constexpr int TableMoveOrder = 1 << 30;
constexpr int CaptureOrder = 1 << 28;
constexpr int KillerOrder = 1 << 27;
constexpr int HistoryLimit = (1 << 26) - 1;

// What a capture of the code wins, for ordering and pruning. A marker stands
// for the pawn that its capture removes.
int VictimValue(Code code, int kingsLeft)
{
    switch (KindOf(code)) {
    case Marker:
        return MaterialValue[Pawn];
    case King:
        return kingsLeft <= 1 ? WinScore / 100 : KingLifeValue;
    default:
        return MaterialValue[static_cast<std::size_t>(KindOf(code))];
    }
}

int ToTable(int score, int ply)
{
    return score > WinBound ? score + ply : score < -WinBound ? score - ply : score;
}

int FromTable(int score, int ply)
{
    return score > WinBound ? score - ply : score < -WinBound ? score + ply : score;
}

int HistoryIndex(TCellMove move)
{
    return (SquareOfCell[move.from] - 1) * SquareCount + (SquareOfCell[move.to] - 1);
}

// Pruning near the leaves. A position a few moves from the horizon whose
// evaluation is far above beta is taken as a cutoff; one far below alpha
// tries only its captures; and a quiet move late in a node's order is
// searched less deep first, fully only when it turns out better than alpha.
// A team has a hundred or more moves here, so these decide how deep the
// search sees in a given time.
constexpr int ReverseFutilityDepth = 3;
constexpr int ReverseFutilityMargin = 120;
constexpr int FutilityDepth = 2;
constexpr std::array<int, FutilityDepth + 1> FutilityMargin = {0, 150, 300};
// A capture by a piece worth this much more than its victim is bad when guarded.
constexpr int BadCaptureMargin = 50;

// A team that gives up the rest of its turn and is still above beta in a
// shallower search would be above it after a real move too.
constexpr int NullMoveDepth = 3;
constexpr int NullMoveReduction = 2;

// Reductions of late quiet moves: from this depth, after the first few
// moves, by depth and by the number of moves searched before.
constexpr int ReductionDepth = 3;
constexpr int FullDepthMoves = 3;
constexpr int MaxReducedMoves = 256;

struct TReductions {
    std::array<std::array<std::int8_t, MaxReducedMoves>, TSearch::MaxPly + 1> byDepth{};
    TReductions()
    {
        for (int depth = 1; depth <= TSearch::MaxPly; ++depth) {
            for (int moves = 1; moves < MaxReducedMoves; ++moves) {
                const double r = 0.75 + std::log(depth) * std::log(moves) / 2.25;
                byDepth[static_cast<std::size_t>(depth)][static_cast<std::size_t>(moves)] =
                    static_cast<std::int8_t>(std::min(r, 6.0));
            }
        }
    }
};

// The limits with a strength step's budget applied: the tighter of each.
// A step below the strongest runs on one thread, so its budget alone decides
// how well it plays, on any machine.
TSearchLimits HeldBack(const TSearchLimits& limits)
{
    if (limits.strength < 1 || limits.strength > StrengthSteps)
        return limits;
    const TStrengthStep step = StrengthStep(limits.strength);
    TSearchLimits held = limits;
    if (limits.strength < StrengthSteps)
        held.threads = 1;
    held.maxDepth = std::min(held.maxDepth, step.maxDepth);
    if (step.maxNodes != 0)
        held.maxNodes = held.maxNodes == 0 ? step.maxNodes : std::min(held.maxNodes, step.maxNodes);
    return held;
}

int Reduction(int depth, int searched)
{
    static const TReductions table;
    return table.byDepth[static_cast<std::size_t>(std::min(depth, TSearch::MaxPly))]
                        [static_cast<std::size_t>(std::min(searched, MaxReducedMoves - 1))];
}

} // namespace

std::chrono::milliseconds MoveTimeFor(std::chrono::milliseconds remaining,
                                      std::chrono::milliseconds increment, int movesPerTeamTurn)
{
    using std::chrono::milliseconds;
    // The last half minute is kept back: what a move costs besides the search
    // (making it, drawing it, the clock's own steps) is paid from there, so a
    // long game without increment does not end on time. Inside it the
    // computer still thinks a little, and most of the increment.
    constexpr milliseconds Reserve{30'000};
    constexpr int ShareOfTheRest = 30;
    constexpr int ShareOfTheReserve = 1000;
    const int moves = std::max(1, movesPerTeamTurn);
    const bool inReserve = remaining <= Reserve;
    const milliseconds usable = inReserve ? remaining : remaining - Reserve;
    const milliseconds share =
        (usable / (inReserve ? ShareOfTheReserve : ShareOfTheRest) + increment * 3 / 4) / moves;
    // Keep something for the moves that follow, whatever the increment.
    return std::clamp(share, milliseconds(1), std::max(milliseconds(1), usable / 4));
}

TSearch::TSearch(TEngineGame game, std::size_t hashMegabytes)
    : TSearch(game, std::make_shared<TTranspositionTable>(hashMegabytes))
{
}

TSearch::TSearch(const TEngineGame& game, std::shared_ptr<TTranspositionTable> table)
    : game_(game), table_(std::move(table)), history_(static_cast<std::size_t>(SquareCount * SquareCount)),
      evaluations_(EvaluationCacheSize)
{
}

TSearch::~TSearch() = default;

void TSearch::Reset(TEngineGame game, bool keepLearnt)
{
    game_ = std::move(game);
    // Cached evaluations know nothing of the game they came from; they are cheap to lose.
    std::fill(evaluations_.begin(), evaluations_.end(), TEvaluationEntry{});
    for (const std::unique_ptr<TSearch>& helper : helpers_)
        std::fill(helper->evaluations_.begin(), helper->evaluations_.end(), TEvaluationEntry{});
    if (!keepLearnt)
        table_->Clear();
}

int TSearch::CachedEvaluation()
{
    // The evaluation reads the placement, the team to move and the moves left in its turn.
    const std::uint64_t key =
        game_.PlacementKey() ^
        MixKey(static_cast<std::uint64_t>(game_.SideToMove() * 16 + game_.MovesMadeInTurn()));
    TEvaluationEntry& entry = evaluations_[static_cast<std::size_t>(key & (EvaluationCacheSize - 1))];
    if (entry.key != key) {
        entry.key = key;
        entry.score = Evaluate(game_);
    }
    return entry.score;
}

bool TSearch::ShouldStop()
{
    if (stopped_)
        return true;
    if (nodes_ < nextPoll_)
        return false;
    nextPoll_ = nodes_ + PollInterval;
    if (stop_->load(std::memory_order_relaxed) || (maxNodes_ != 0 && nodes_ >= maxNodes_) ||
        (hasDeadline_ && std::chrono::steady_clock::now() >= deadline_))
        stopped_ = true;
    return stopped_;
}

bool TSearch::KingsInDanger() const
{
    const int side = game_.SideToMove();
    const TCellList& kings = game_.KingCells(side);
    for (int i = 0; i < kings.count; ++i) {
        if (KingAttacked(game_, kings.cells[static_cast<std::size_t>(i)], side))
            return true;
    }
    return false;
}

bool TSearch::IsCapture(TCellMove move) const
{
    const Code target = game_.CellCode(move.to);
    return IsSide(target, 1 - game_.SideToMove());
}

int TSearch::CaptureValue(TCellMove move) const
{
    const Code target = game_.CellCode(move.to);
    const int them = 1 - game_.SideToMove();
    if (!IsSide(target, them))
        return 0;
    return VictimValue(target, game_.Kings(them));
}

void TSearch::OrderMoves(std::vector<TCellMove>& generated, std::vector<TScoredMove>& scored,
                         TCellMove ttMove, int ply) const
{
    scored.resize(generated.size());
    const auto& killers = killers_[static_cast<std::size_t>(ply)];
    for (std::size_t i = 0; i < generated.size(); ++i) {
        const TCellMove move = generated[i];
        int order;
        if (move == ttMove) {
            order = TableMoveOrder;
        } else if (IsCapture(move)) {
            // Most valuable victim first, least valuable attacker among equals.
            order = CaptureOrder + 16 * CaptureValue(move) - KindOf(game_.CellCode(move.from));
        } else if (move == killers[0]) {
            order = KillerOrder + 1;
        } else if (move == killers[1]) {
            order = KillerOrder;
        } else {
            order = history_[static_cast<std::size_t>(HistoryIndex(move))];
        }
        scored[i] = {move, order};
    }
}

TCellMove TSearch::NextMove(std::vector<TScoredMove>& moves, std::size_t index)
{
    // Most cutoffs come from the first few moves: pick those one by one, and
    // sort the rest only when the node goes on beyond them.
    constexpr std::size_t PickedSingly = 4;
    if (index < PickedSingly)
        return PickNext(moves, index);
    if (index == PickedSingly)
        std::sort(moves.begin() + static_cast<std::ptrdiff_t>(index), moves.end(),
                  [](const TScoredMove& a, const TScoredMove& b) { return a.order > b.order; });
    return moves[index].move;
}

TCellMove TSearch::PickNext(std::vector<TScoredMove>& moves, std::size_t index)
{
    std::size_t best = index;
    for (std::size_t i = index + 1; i < moves.size(); ++i) {
        if (moves[i].order > moves[best].order)
            best = i;
    }
    std::swap(moves[index], moves[best]);
    return moves[index].move;
}

void TSearch::RememberQuietCutoff(TCellMove move, int depth, int ply)
{
    auto& killers = killers_[static_cast<std::size_t>(ply)];
    if (!(killers[0] == move)) {
        killers[1] = killers[0];
        killers[0] = move;
    }
    int& score = history_[static_cast<std::size_t>(HistoryIndex(move))];
    score = std::min(HistoryLimit, score + depth * depth);
}

int TSearch::Child(bool sameTeam, int depth, int alpha, int beta, int ply)
{
    return sameTeam ? Search(depth, alpha, beta, ply) : -Search(depth, -beta, -alpha, ply);
}

int TSearch::QuiesceChild(bool sameTeam, int alpha, int beta, int ply)
{
    return sameTeam ? Quiesce(alpha, beta, ply) : -Quiesce(-beta, -alpha, ply);
}

// The current player cannot move: the turn passes on as the kernel settles it,
// and the node's value is that of the settled position (or a lost game).
int TSearch::SettledSearch(int depth, int alpha, int beta, int ply)
{
    const int side = game_.SideToMove();
    TUndo settle;
    const TSettleOutcome outcome = game_.Settle(settle);
    int score;
    if (outcome == TSettleOutcome::TeamLost) {
        const int loss = -(WinScore - ply);
        score = game_.SideToMove() == side ? loss : -loss;
    } else if (game_.RepetitionStands()) {
        score = 0;
    } else {
        score = Child(game_.SideToMove() == side, depth, alpha, beta, ply);
    }
    game_.Unsettle(settle);
    return score;
}

int TSearch::Search(int depth, int alpha, int beta, int ply)
{
    if (depth <= 0)
        return Quiesce(alpha, beta, ply);
    if (ShouldStop())
        return 0;
    // A full history and a standing repetition both leave no move: a draw.
    if (game_.MoveNumber() >= MaxHistoryMoves || game_.RepetitionStands())
        return 0;
    if (ply >= MaxPly)
        return CachedEvaluation();

    const std::uint64_t key = game_.Key();
    TCellMove ttMove;
    if (TTableEntry entry; table_->Probe(key, entry)) {
        ttMove = {entry.from, entry.to};
        if (entry.depth >= depth) {
            const int stored = FromTable(entry.score, ply);
            if (entry.bound == TBound::Exact || (entry.bound == TBound::Lower && stored >= beta) ||
                (entry.bound == TBound::Upper && stored <= alpha))
                return stored;
        }
    }

    // A player who cannot move hands the turn on (or his team has lost), which
    // the settled search sees; the pruning below is for a player who can.
    // His moves are listed only after its cutoffs, so that a node ending by
    // one of them does not pay for its moves.
    if (!game_.AnyMoveUncheckedKings())
        return SettledSearch(depth, alpha, beta, ply);

    // Pruning is for quiet positions outside the principal line: never when
    // a king of the team to move stands attacked, nor near a forced result.
    const bool pvNode = beta - alpha > 1;
    const bool mayPrune = !pvNode && alpha > -WinBound && beta < WinBound && !KingsInDanger();
    const int staticEval = mayPrune ? CachedEvaluation() : 0;
    bool futile = false;
    if (mayPrune && depth <= ReverseFutilityDepth) {
        if (staticEval - ReverseFutilityMargin * depth >= beta)
            return staticEval;
        futile =
            depth <= FutilityDepth && staticEval + FutilityMargin[static_cast<std::size_t>(depth)] <= alpha;
    }
    if (mayPrune && depth >= NullMoveDepth && staticEval >= beta &&
        !passedBefore_[static_cast<std::size_t>(ply)] && game_.Sliders(game_.SideToMove()).count > 0) {
        TUndo& undo = undo_[static_cast<std::size_t>(ply)];
        game_.PassTurn(undo);
        ++nodes_;
        passedBefore_[static_cast<std::size_t>(ply) + 1] = true;
        const int score = -Search(depth - 1 - NullMoveReduction - depth / 4, -beta, -beta + 1, ply + 1);
        passedBefore_[static_cast<std::size_t>(ply) + 1] = false;
        game_.UnmakeMove(undo);
        if (stopped_)
            return 0;
        if (score >= beta)
            return score >= WinBound ? beta : score;
    }

    std::vector<TCellMove>& generated = generated_[static_cast<std::size_t>(ply)];
    generated.clear();
    game_.GenerateMovesUncheckedKings(generated);
    std::vector<TScoredMove>& moves = ordered_[static_cast<std::size_t>(ply)];
    OrderMoves(generated, moves, ttMove, ply);
    const int side = game_.SideToMove();
    const int alphaAtStart = alpha;
    const auto& killers = killers_[static_cast<std::size_t>(ply)];

    int best = -Infinity;
    TCellMove bestMove;
    TUndo& undo = undo_[static_cast<std::size_t>(ply)];
    int searched = 0;
    for (std::size_t i = 0; i < moves.size(); ++i) {
        const TCellMove move = NextMove(moves, i);
        // Kings' steps are tested only now: most nodes end before reaching them.
        if (!game_.KingStepIsSafe(move))
            continue;
        const bool capture = IsCapture(move);
        const bool quiet = !capture && !(move == ttMove) && !(move == killers[0]) && !(move == killers[1]);
        if (futile && quiet && searched > 0)
            continue;
        game_.MakeMove(move, undo);
        ++nodes_;
        int score;
        if (game_.Result() != TGameResult::Playing) {
            score = WinScore - (ply + 1);
        } else {
            const bool sameTeam = game_.SideToMove() == side;
            if (searched++ == 0) {
                score = Child(sameTeam, depth - 1, alpha, beta, ply + 1);
            } else {
                int reduction = 0;
                if (mayPrune && quiet && depth >= ReductionDepth && searched > FullDepthMoves)
                    reduction = std::min(Reduction(depth, searched), depth - 2);
                score = Child(sameTeam, depth - 1 - reduction, alpha, alpha + 1, ply + 1);
                if (reduction > 0 && score > alpha)
                    score = Child(sameTeam, depth - 1, alpha, alpha + 1, ply + 1);
                if (score > alpha && score < beta)
                    score = Child(sameTeam, depth - 1, alpha, beta, ply + 1);
            }
        }
        game_.UnmakeMove(undo);
        if (stopped_)
            return 0;
        if (score > best) {
            best = score;
            bestMove = move;
        }
        if (score > alpha) {
            alpha = score;
            if (alpha >= beta) {
                if (!capture)
                    RememberQuietCutoff(move, depth, ply);
                break;
            }
        }
    }
    if (best == -Infinity) // every candidate was a king's step into attack
        return SettledSearch(depth, alpha, beta, ply);
    const TBound bound = best >= beta ? TBound::Lower : best > alphaAtStart ? TBound::Exact : TBound::Upper;
    table_->Store(key, ToTable(best, ply), bound == TBound::Upper ? TCellMove{} : bestMove, depth, bound);
    return best;
}

int TSearch::Quiesce(int alpha, int beta, int ply)
{
    if (ShouldStop())
        return 0;
    if (game_.RepetitionStands())
        return 0;
    // Far outside the window the quick estimate decides; the full evaluation
    // is spent only where it can matter.
    const int quick = QuickEvaluate(game_);
    if (quick - LazyMargin >= beta)
        return quick;
    const int standPat = quick + LazyMargin <= alpha ? quick : CachedEvaluation();
    if (ply >= MaxPly || standPat >= beta)
        return standPat;
    alpha = std::max(alpha, standPat);

    std::vector<TCellMove>& generated = generated_[static_cast<std::size_t>(ply)];
    generated.clear();
    game_.GenerateCaptures(generated);
    std::vector<TScoredMove>& moves = ordered_[static_cast<std::size_t>(ply)];
    OrderMoves(generated, moves, TCellMove{}, ply);
    const int side = game_.SideToMove();
    int best = standPat;
    TUndo& undo = undo_[static_cast<std::size_t>(ply)];
    for (std::size_t i = 0; i < moves.size(); ++i) {
        const TCellMove move = NextMove(moves, i);
        // A capture that cannot lift the score to alpha even if unanswered is not worth a look.
        const int victim = CaptureValue(move);
        if (standPat + victim + 200 <= alpha)
            continue;
        // Nor one that gives a piece for less onto a square the other side
        // guards: the recapture alone loses material, and on a board this
        // full such captures are most of what quiescence would look at.
        const int attacker = MaterialValue[static_cast<std::size_t>(KindOf(game_.CellCode(move.from)))];
        if (attacker > victim + BadCaptureMargin && game_.Attacked(move.to, 1 - side, move.from))
            continue;
        game_.MakeMove(move, undo);
        ++nodes_;
        int score;
        if (game_.Result() != TGameResult::Playing)
            score = WinScore - (ply + 1);
        else
            score = QuiesceChild(game_.SideToMove() == side, alpha, beta, ply + 1);
        game_.UnmakeMove(undo);
        if (stopped_)
            return 0;
        if (score > best) {
            best = score;
            if (score > alpha) {
                alpha = score;
                if (alpha >= beta)
                    break;
            }
        }
    }
    return best;
}

TEngineMove TSearch::FindMove(const TSearchLimits& asked, const std::atomic<bool>& stop)
{
    const TSearchLimits limits = HeldBack(asked);
    const auto start = std::chrono::steady_clock::now();
    StartSearch(limits, stop, start);
    StartHelpers(limits);
    TEngineMove result = IterativeDeepening(limits, 1, start);
    result.nodes += StopHelpers();
    return result;
}

void TSearch::StartHelpers(const TSearchLimits& limits)
{
    const int count = std::clamp(limits.threads, 1, MaxSearchThreads) - 1;
    while (static_cast<int>(helpers_.size()) < count)
        helpers_.push_back(std::unique_ptr<TSearch>(new TSearch(game_, table_)));
    helpersStop_.store(false);
    // Helpers end when the main search does; until then they only fill the
    // table. Every second one begins an iteration deeper, so the two kinds
    // are seldom in the same part of the tree at once.
    TSearchLimits helperLimits;
    helperLimits.maxDepth = limits.maxDepth;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < count; ++i) {
        TSearch& helper = *helpers_[static_cast<std::size_t>(i)];
        helper.game_ = game_;
        helper.StartSearch(helperLimits, helpersStop_, start);
        helperThreads_.emplace_back([&helper, helperLimits, start, i] {
            helper.IterativeDeepening(helperLimits, 1 + (i + 1) % 2, start);
        });
    }
}

std::uint64_t TSearch::StopHelpers()
{
    helpersStop_.store(true);
    std::uint64_t nodes = 0;
    for (std::size_t i = 0; i < helperThreads_.size(); ++i) {
        helperThreads_[i].join();
        nodes += helpers_[i]->nodes_;
    }
    helperThreads_.clear();
    return nodes;
}

void TSearch::StartSearch(const TSearchLimits& limits, const std::atomic<bool>& stop,
                          std::chrono::steady_clock::time_point start)
{
    stop_ = &stop;
    stopped_ = false;
    nodes_ = 0;
    nextPoll_ = 0;
    maxNodes_ = limits.maxNodes;
    strength_ = limits.strength < 1 || limits.strength > StrengthSteps ? 0 : limits.strength;
    seed_ = limits.seed;
    hasDeadline_ = limits.moveTime.count() > 0;
    deadline_ = start + limits.moveTime;
    for (auto& killers : killers_)
        killers = {};
    std::fill(history_.begin(), history_.end(), 0);
}

TEngineMove TSearch::IterativeDeepening(const TSearchLimits& limits, int firstDepth,
                                        std::chrono::steady_clock::time_point start)
{
    TEngineMove result;
    std::vector<TCellMove> rootMoves;
    if (game_.MoveNumber() < MaxHistoryMoves)
        game_.GenerateMoves(rootMoves);
    if (strength_ != 0)
        rootMoves = SeenMoves(game_, rootMoves, strength_, seed_);
    if (rootMoves.empty())
        return result;
    // Captures first in the first iteration; later the best so far leads.
    std::stable_sort(rootMoves.begin(), rootMoves.end(),
                     [this](TCellMove a, TCellMove b) { return CaptureValue(a) > CaptureValue(b); });
    result.from = SquareAtCell(rootMoves.front().from);
    result.to = SquareAtCell(rootMoves.front().to);

    const int side = game_.SideToMove();
    const int maxDepth = std::clamp(limits.maxDepth, 1, MaxPly - 1);
    // A step that blurs scores needs the score of every move that could come
    // out best after the blur: those within the blur of the best so far are
    // searched with a window that far below it.
    const int blur = StrengthStep(strength_).blur;
    std::vector<int> scores(rootMoves.size(), -Infinity);
    std::optional<TCellMove> blurred;
    for (int depth = std::min(firstDepth, maxDepth); depth <= maxDepth && !ShouldStop(); ++depth) {
        int alpha = -Infinity;
        std::size_t bestIndex = rootMoves.size();
        int bestScore = -Infinity;
        TUndo undo;
        for (std::size_t i = 0; i < rootMoves.size(); ++i) {
            game_.MakeMove(rootMoves[i], undo);
            ++nodes_;
            int score;
            if (game_.Result() != TGameResult::Playing) {
                score = WinScore - 1;
            } else {
                const bool sameTeam = game_.SideToMove() == side;
                const int floor = alpha - blur;
                if (i == 0) {
                    score = Child(sameTeam, depth - 1, -Infinity, Infinity, 1);
                } else {
                    score = Child(sameTeam, depth - 1, floor, floor + 1, 1);
                    if (score > floor)
                        score = Child(sameTeam, depth - 1, floor, Infinity, 1);
                }
            }
            game_.UnmakeMove(undo);
            if (stopped_)
                break;
            scores[i] = score;
            if (score > bestScore) {
                bestScore = score;
                bestIndex = i;
                alpha = std::max(alpha, score);
            }
        }
        if (bestIndex == rootMoves.size())
            break;
        // A move found best in an unfinished iteration has beaten the previous best there.
        const auto best = static_cast<std::ptrdiff_t>(bestIndex);
        std::rotate(rootMoves.begin(), rootMoves.begin() + best, rootMoves.begin() + best + 1);
        std::rotate(scores.begin(), scores.begin() + best, scores.begin() + best + 1);
        result.from = SquareAtCell(rootMoves.front().from);
        result.to = SquareAtCell(rootMoves.front().to);
        result.score = bestScore;
        if (stopped_)
            break;
        result.depth = depth;
        if (blur > 0)
            blurred = BlurredChoice(rootMoves, scores);
        // A step's report leads with the move it means to play, so what is
        // shown while it thinks is what then appears on the board.
        if (report_)
            report_({depth, bestScore, nodes_,
                     std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                           start),
                     ExpectedLine(blurred.value_or(rootMoves.front()), depth)});
        if (bestScore > WinBound || bestScore < -WinBound)
            break;
        // The time given is spent: an iteration cut short still plays a move
        // that beat the best so far, and the first moves it tries are the best.
    }
    if (blurred) {
        result.from = SquareAtCell(blurred->from);
        result.to = SquareAtCell(blurred->to);
    }
    result.nodes = nodes_;
    return result;
}

TCellMove TSearch::BlurredChoice(const std::vector<TCellMove>& moves, const std::vector<int>& scores) const
{
    // A move that failed low stood more than the blur below the best when it
    // was searched, so with any blur it stays below the best's blurred score.
    const TStrengthStep step = StrengthStep(strength_);
    const std::uint64_t key = DrawKey(game_);
    std::size_t chosen = 0;
    int chosenScore = -Infinity;
    for (std::size_t i = 0; i < moves.size(); ++i) {
        const int blurred = scores[i] + ScoreBlur(step, seed_, key, moves[i]);
        if (blurred > chosenScore) {
            chosenScore = blurred;
            chosen = i;
        }
    }
    return moves[chosen];
}
