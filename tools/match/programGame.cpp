#include "programGame.h"

#include <array>
#include <chrono>

#include "adjudication.h"
#include "gameStart.h"

namespace {

using Clock = std::chrono::steady_clock;

// Starts the programs that are not running; the failure of one is a lost game for its side.
std::string EnsureRunning(TProgramPair& programs, const TMatchOptions& options, bool& engineFailed)
{
    std::string problem;
    if (programs.engine == nullptr)
        programs.engine = TProtocolEngine::Start(options.enginePath, options.hashMegabytes,
                                                 options.engineSearchThreads, options.engineOptions, problem);
    if (programs.engine == nullptr) {
        engineFailed = true;
        return problem;
    }
    if (programs.opponent == nullptr)
        programs.opponent =
            TProtocolEngine::Start(options.opponentPath, options.hashMegabytes, options.opponentSearchThreads,
                                   options.opponentOptions, problem);
    if (programs.opponent == nullptr) {
        engineFailed = false;
        return problem;
    }
    if (!programs.engine->NewGame()) {
        engineFailed = true;
        programs.engine.reset();
        return "the engine did not answer isready";
    }
    if (!programs.opponent->NewGame()) {
        engineFailed = false;
        programs.opponent.reset();
        return "the opponent did not answer isready";
    }
    return {};
}

} // namespace

TGameRecord PlayProgramGame(const TGamePlan& plan, const TMatchOptions& options, TProgramPair& programs)
{
    const auto start = Clock::now();
    TGameRecord record;
    record.plan = plan;

    TRefereeBoard board;
    StartGame(board, plan);
    std::vector<std::string> moves = OpeningMoves(plan, options.seed, options.openingMoves);
    for (const std::string& text : moves)
        PlayRefereedMove(board, *ReadMoveText(text));

    bool engineFailed = false;
    record.note = EnsureRunning(programs, options, engineFailed);
    int depthSum = 0;
    // White's and Black's single moves, the opening's included.
    std::array<int, 2> pliesMade{};
    for (int i = 1; i <= board.LastMove; ++i)
        ++pliesMade[board.MoveList[static_cast<std::size_t>(i)].WhiteTeamIsPlaying ? 0 : 1];
    const std::chrono::milliseconds moveTime(options.msPerMove);
    while (record.note.empty() && !board.GameEnded() &&
           std::max(pliesMade[0], pliesMade[1]) < options.adjudicationPlies &&
           board.LastMove < options.maxMoves) {
        const bool white = board.WhiteToMove();
        const bool engineMoves = white == plan.engineWhite;
        std::unique_ptr<TProtocolEngine>& mover = engineMoves ? programs.engine : programs.opponent;
        const TEngineAnswer answer =
            mover->Move(PositionCommand(plan, moves), moveTime, options.depth, options.nodes);
        std::string problem = answer.problem;
        if (problem.empty())
            problem = PlayRefereedMove(board, *answer.move);
        if (!problem.empty()) {
            record.note = mover->Name() + " " + (answer.move ? "played " + answer.text + ": " : "") + problem;
            engineFailed = engineMoves;
            // Whatever state it is in, the next game gets a fresh one.
            mover.reset();
            break;
        }
        moves.push_back(answer.text);
        ++pliesMade[white ? 0 : 1];
        if (engineMoves) {
            ++record.engineMoves;
            depthSum += answer.depth;
        }
    }

    record.moves = board.LastMove;
    if (!record.note.empty()) {
        record.reason = TEndReason::EngineFailed;
        record.result = engineFailed ? TEngineResult::Lost : TEngineResult::Won;
    } else if (board.GameEnded()) {
        record.reason = board.Reason();
        record.result = ResultFor(board.Winner(), plan.engineWhite);
    } else {
        const TWinner winner = AdjudicatedWinner(board.position());
        record.reason = winner == TWinner::Nobody ? TEndReason::MoveCap : TEndReason::Adjudicated;
        record.result = ResultFor(winner, plan.engineWhite);
    }
    if (record.engineMoves > 0)
        record.averageDepth = static_cast<double>(depthSum) / record.engineMoves;
    record.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    return record;
}
