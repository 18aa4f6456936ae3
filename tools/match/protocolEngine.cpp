#include "protocolEngine.h"

#include "commandWords.h"

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// A greeting, a new game or a ready check takes an engine no time; this is plenty.
constexpr milliseconds AnswerTime{10'000};
// What an engine may be late with its move before it counts as silent.
constexpr milliseconds GraceForMove{5'000};
// After a late engine has been told to stop.
constexpr milliseconds GraceAfterStop{1'000};

// Deeper than any search reports; a larger number is no depth.
constexpr std::int64_t DeepestReport = 10'000;

std::string Rest(const std::string& line, const std::string& head)
{
    return line.size() > head.size() ? line.substr(head.size() + 1) : std::string();
}

} // namespace

std::unique_ptr<TProtocolEngine> TProtocolEngine::Start(const std::string& path, std::size_t hashMegabytes,
                                                        int searchThreads,
                                                        const std::vector<std::string>& options,
                                                        std::string& problem)
{
    std::unique_ptr<TEngineProcess> process = TEngineProcess::Start(path, problem);
    if (process == nullptr)
        return nullptr;
    std::unique_ptr<TProtocolEngine> engine(new TProtocolEngine(std::move(process)));
    engine->name_ = path;
    if (!engine->process_->Send("vep")) {
        problem = path + " does not read its input";
        return nullptr;
    }
    const auto deadline = Clock::now() + AnswerTime;
    for (;;) {
        const auto line = engine->ReadBefore(deadline);
        if (!line) {
            problem = path + " did not answer vep with vepok";
            return nullptr;
        }
        if (line->starts_with("id name "))
            engine->name_ = Rest(*line, "id name");
        if (*line == "vepok")
            break;
    }
    engine->process_->Send("setoption name Hash value " + std::to_string(hashMegabytes));
    // One thread is every program's default; a program that knows no threads is not asked.
    if (searchThreads > 1)
        engine->process_->Send("setoption name Threads value " + std::to_string(searchThreads));
    for (const std::string& option : options) {
        const std::size_t equals = option.find('=');
        engine->process_->Send("setoption name " + option.substr(0, equals) + " value " +
                               option.substr(equals + 1));
    }
    // A setting the program refuses would leave it playing as something else
    // than the match says: its one line of refusal comes before readyok.
    engine->process_->Send("isready");
    const auto ready = Clock::now() + AnswerTime;
    for (;;) {
        const auto line = engine->ReadBefore(ready);
        if (!line) {
            problem = path + " did not answer isready";
            return nullptr;
        }
        if (line->starts_with("info string ")) {
            problem = path + " refused a setting: " + Rest(*line, "info string");
            return nullptr;
        }
        if (*line == "readyok")
            break;
    }
    if (!engine->NewGame()) {
        problem = path + " did not answer isready";
        return nullptr;
    }
    return engine;
}

std::optional<std::string> TProtocolEngine::ReadBefore(Clock::time_point deadline)
{
    // Checked before reading: an engine that writes without end must not keep the match waiting.
    const auto left = std::chrono::duration_cast<milliseconds>(deadline - Clock::now());
    if (left.count() <= 0)
        return std::nullopt;
    return process_->ReadLine(left);
}

std::optional<std::string> TProtocolEngine::ReadUntil(const std::string& wanted, milliseconds within)
{
    const auto deadline = Clock::now() + within;
    for (;;) {
        const auto line = ReadBefore(deadline);
        if (!line || line->starts_with(wanted))
            return line;
    }
}

bool TProtocolEngine::NewGame()
{
    return process_->Send("newgame") && process_->Send("isready") && ReadUntil("readyok", AnswerTime);
}

TEngineAnswer TProtocolEngine::Move(const std::string& position, milliseconds moveTime, int depth,
                                    std::uint64_t nodes)
{
    TEngineAnswer answer;
    std::string go = "go movetime " + std::to_string(moveTime.count());
    if (depth > 0)
        go += " depth " + std::to_string(depth);
    if (nodes > 0)
        go += " nodes " + std::to_string(nodes);
    if (!process_->Send(position) || !process_->Send(go)) {
        answer.problem = "no longer reads its input";
        return answer;
    }
    auto deadline = Clock::now() + moveTime + GraceForMove;
    bool stopSent = false;
    for (;;) {
        const auto line = ReadBefore(deadline);
        if (!line && !stopSent) {
            // Late: one stop, and a moment to answer it.
            process_->Send("stop");
            stopSent = true;
            deadline = Clock::now() + GraceAfterStop;
            continue;
        }
        if (!line) {
            answer.problem =
                "sent no bestmove within " + std::to_string((moveTime + GraceForMove).count()) + " ms";
            return answer;
        }
        const std::vector<std::string> words = SplitWords(*line);
        if (words.size() >= 3 && words[0] == "info" && words[1] == "depth") {
            if (const auto depth = ReadNumber(words[2], 0, DeepestReport))
                answer.depth = std::max(answer.depth, static_cast<int>(*depth));
        } else if (words.size() >= 2 && words[0] == "info" && words[1] == "string") {
            // The engine refused what it was sent: it plays some other game than the referee's.
            answer.problem = "said " + Quoted(*line);
        } else if (!words.empty() && words[0] == "bestmove") {
            if (!answer.problem.empty())
                return answer;
            answer.text = words.size() > 1 ? words[1] : std::string();
            answer.move = ReadMoveText(answer.text);
            if (!answer.move)
                answer.problem = "answered " + Quoted(*line);
            return answer;
        }
    }
}
