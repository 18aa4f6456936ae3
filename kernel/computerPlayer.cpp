// The computer player: its settings, and the search that runs on its own
// thread over a copy of the game while the board stays with the user.

#include <algorithm>
#include <chrono>
#include <mutex>
#include <thread>

#include "engine/search.h"
#include "engine/searchStrength.h"
#include "engine/zobrist.h"
#include "veltanbrdKernel.h"
#include "veltanbrdThread.h"

namespace {

constexpr std::size_t HashMegabytes = 16;

// The board's search uses every core (up to the search's own limit); a
// machine that cannot tell gets one thread.
int SearchThreads()
{
    const unsigned cores = std::thread::hardware_concurrency();
    return std::clamp(static_cast<int>(cores), 1, MaxSearchThreads);
}

std::chrono::milliseconds DaysToMilliseconds(double days)
{
    return std::chrono::milliseconds(static_cast<long long>(std::max(0.0, days) * 86'400'000.0));
}

} // namespace

struct TVeltanBrdKernel::TSharedProgress {
    mutable std::mutex lock;
    int depth = 0;
    Square from = SqrNone;
    Square to = SqrNone;
};

std::uint32_t TVeltanBrdKernel::SearchRulesKey() const
{
    // Everything besides the position that changes what a stored result is worth.
    constexpr std::uint32_t CountField = 16;   // turn counts stay below this
    constexpr std::uint32_t LetterField = 256; // any character
    std::uint32_t key = static_cast<std::uint32_t>(_MovesPerTeamTurn);
    key = key * CountField + static_cast<std::uint32_t>(_PlayersPerTeam);
    key = key * CountField + static_cast<std::uint32_t>(_MovesPerPlayerTurn);
    return key * LetterField + static_cast<unsigned char>(PromoteTo);
}

void TVeltanBrdKernel::SetComputerPlaysWhite(bool value)
{
    CancelThinking();
    _ComputerPlaysWhite = value;
    Think();
}

void TVeltanBrdKernel::SetComputerPlaysBlack(bool value)
{
    CancelThinking();
    _ComputerPlaysBlack = value;
    Think();
}

void TVeltanBrdKernel::SetSearchDepth(int value)
{
    _SearchDepth = std::clamp(value, 1, 8);
}

bool TVeltanBrdKernel::Thinking() const
{
    // A suggestion for the human player is looked for in the background and
    // blocks nothing: only the computer's own search counts.
    return SearchRunning() && !_searchingSuggestion;
}

bool TVeltanBrdKernel::SearchRunning() const
{
    return NowVeltanbrdThread != nullptr && NowVeltanbrdThread->Thinking;
}

void TVeltanBrdKernel::Think()
{
    // A full history takes no more moves: searching would only find a move
    // the board must refuse, again and again.
    if (FGameEnded || SearchRunning() || !ComputerToMove() || LastMove >= MaxHistoryMoves)
        return;
    if (_hostPlaysComputer) {
        // The host's program answers when it is ready; the board is not held up.
        if (OnHostMoveDue)
            OnHostMoveDue(*this);
        return;
    }
    if (_CustomEngine) {
        // The host chooses. Moves made from here would call Think again, so
        // one move is made per call; the board's turn check asks for the next.
        if (_choosingCustomMove || !OnCalculateMove)
            return;
        _choosingCustomMove = true;
        Square from = SqrNone, to = SqrNone;
        OnCalculateMove(*this, from, to);
        if (!move(from, to) && OnCalculationFailed)
            OnCalculationFailed(*this, from, to);
        _choosingCustomMove = false;
        return;
    }

    const std::chrono::milliseconds remaining =
        DaysToMilliseconds(_WhiteToMove ? _TimeLeftWhite : _TimeLeftBlack);
    const std::chrono::milliseconds increment =
        DaysToMilliseconds(_WhiteToMove ? _TimeIncrementWhite : _TimeIncrementBlack);
    // Every level stops at a quarter of what is left on the team's clock.
    const std::chrono::milliseconds quarter = std::max(std::chrono::milliseconds(1), remaining / 4);
    TSearchLimits limits;
    limits.threads = SearchThreads();
    if (_computerStrength != 0) {
        // The step's budget decides; the search holds weak steps to one thread.
        limits.strength = _computerStrength;
        limits.seed = _strengthSeed;
        limits.moveTime = quarter;
    } else if (_ComputerUsesClock) {
        limits.moveTime = MoveTimeFor(remaining, increment, _MovesPerTeamTurn);
    } else if (_ComputerMoveTime > std::chrono::milliseconds(0)) {
        limits.moveTime = std::min(_ComputerMoveTime, quarter);
    } else {
        limits.maxDepth = _SearchDepth;
        limits.moveTime = quarter;
    }
    StartSearch(limits, false);
}

void TVeltanBrdKernel::StartSearch(const TSearchLimits& limits, bool suggestion)
{
    if (NowVeltanbrdThread == nullptr)
        NowVeltanbrdThread = std::make_unique<TVeltanbrdThread>();
    TVeltanbrdThread& thread = *NowVeltanbrdThread;
    thread.Join();
    thread.StopThinkingNow = false;
    thread.Thinking = true;
    const std::uint64_t generation = ++_searchGeneration;
    _searchingSuggestion = suggestion;
    _searchedMove = LastMove;
    _searchedPosition = position();
    // The copy is made here, on the board's thread; the search never touches the board.
    // The worker has been joined, so the kept search is free to be reset.
    const std::uint32_t rules = SearchRulesKey();
    if (_search == nullptr)
        _search = std::make_shared<TSearch>(engine::TEngineGame(*this), HashMegabytes);
    else
        _search->Reset(engine::TEngineGame(*this), rules == _searchRules);
    _searchRules = rules;
    std::shared_ptr<TSearch> search = _search;
    // Each search reports into a record of its own, so a late report of an
    // earlier search never shows as this one's.
    _progress = std::make_shared<TSharedProgress>();
    _searchStarted = std::chrono::steady_clock::now();
    search->SetProgressReport([progress = _progress](const TSearchProgress& found) {
        if (found.line.empty())
            return;
        const std::lock_guard<std::mutex> hold(progress->lock);
        progress->depth = found.depth;
        progress->from = found.line.front().first;
        progress->to = found.line.front().second;
    });
    thread.Start([this, search, limits, generation, &thread] {
        const TEngineMove found = search->FindMove(limits, thread.StopThinkingNow);
        _foundFrom = found.from;
        _foundTo = found.to;
        _foundGeneration = generation;
        ComputerMoveFound();
    });
}

bool TVeltanBrdKernel::PlayComputerMove()
{
    if (NowVeltanbrdThread == nullptr || !NowVeltanbrdThread->Thinking)
        return false;
    NowVeltanbrdThread->Join();
    NowVeltanbrdThread->Thinking = false;
    if (_foundGeneration != _searchGeneration || _foundFrom == SqrNone || FGameEnded)
        return false;
    if (_searchingSuggestion) {
        if (LastMove != _searchedMove || position() != _searchedPosition)
            return false;
        _suggestedFrom = _foundFrom;
        _suggestedTo = _foundTo;
        SuggestionChanged();
        return false;
    }
    if (!ComputerToMove())
        return false;
    // The board may have changed without a cancel (PerformMove is public):
    // a move found for another position is never played on this one.
    if (LastMove != _searchedMove || position() != _searchedPosition)
        return false;
    return move(_foundFrom, _foundTo);
}

TThinkingProgress TVeltanBrdKernel::ThinkingProgress() const
{
    TThinkingProgress progress;
    progress.running = SearchRunning();
    if (!progress.running)
        return progress;
    progress.suggestion = _searchingSuggestion;
    progress.elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - _searchStarted);
    if (_progress != nullptr) {
        const std::lock_guard<std::mutex> hold(_progress->lock);
        progress.depth = _progress->depth;
        progress.from = _progress->from;
        progress.to = _progress->to;
    }
    return progress;
}

bool TVeltanBrdKernel::MoveNow()
{
    // The search is told to stop but not cancelled: its best move so far
    // arrives as any found move does and is played.
    if (!Thinking() || _searchingSuggestion || !ComputerToMove())
        return false;
    NowVeltanbrdThread->StopThinkingNow = true;
    return true;
}

bool TVeltanBrdKernel::SuggestMove(std::chrono::milliseconds time)
{
    if (FGameEnded || ComputerToMove() || SearchRunning() || LastMove >= MaxHistoryMoves)
        return false;
    ClearSuggestion();
    TSearchLimits limits;
    limits.moveTime = std::max(std::chrono::milliseconds(1), time);
    StartSearch(limits, true);
    return true;
}

void TVeltanBrdKernel::ClearSuggestion()
{
    if (_suggestedFrom == SqrNone && _suggestedTo == SqrNone)
        return;
    _suggestedFrom = SqrNone;
    _suggestedTo = SqrNone;
    SuggestionChanged();
}

void TVeltanBrdKernel::SetComputerMoveTime(std::chrono::milliseconds value)
{
    _ComputerMoveTime = std::max(std::chrono::milliseconds(0), value);
}

void TVeltanBrdKernel::SetComputerStrength(int step)
{
    _computerStrength = step >= 1 && step <= StrengthSteps ? step : 0;
}

std::chrono::milliseconds TVeltanBrdKernel::ComputerMoveWait() const
{
    using std::chrono::milliseconds;
    if (_computerStrength == 0 || _computerStrength == StrengthSteps || _searchingSuggestion)
        return milliseconds(0);
    // One to two seconds, varying from move to move as a person's would.
    constexpr milliseconds Least{1000};
    constexpr std::uint64_t SpreadMs = 1000;
    const milliseconds pause =
        Least +
        milliseconds(static_cast<long long>(engine::MixKey(_strengthSeed ^ _searchGeneration) % SpreadMs));
    const auto elapsed =
        std::chrono::duration_cast<milliseconds>(std::chrono::steady_clock::now() - _searchStarted);
    const milliseconds left = DaysToMilliseconds(_WhiteToMove ? _TimeLeftWhite : _TimeLeftBlack);
    return std::clamp(pause - elapsed, milliseconds(0), left / 8);
}

void TVeltanBrdKernel::CancelThinking()
{
    // A search is stopped whatever the state of the game and whoever picks
    // the computer's moves now: a move arriving after the game has ended must
    // never start it again, and no worker may outlive the board it searched.
    if (NowVeltanbrdThread != nullptr) {
        NowVeltanbrdThread->StopThinkingNow = true;
        NowVeltanbrdThread->Join();
        NowVeltanbrdThread->Thinking = false;
        ++_searchGeneration;
    }
    // Whatever called for the cancel may change the position: a suggestion
    // belongs to the position it was found for.
    ClearSuggestion();
    stopThinking = true;
    if (_hostPlaysComputer && OnHostMoveCancelled)
        OnHostMoveCancelled(*this);
}

void TVeltanBrdKernel::SetHostPlaysComputer(bool value)
{
    CancelThinking();
    _hostPlaysComputer = value;
}
