#include "goCommand.h"

#include <algorithm>
#include <functional>
#include <map>

#include "commandWords.h"

namespace {

using std::chrono::milliseconds;

// About thirty years: any longer and the search's deadline would overflow its clock.
constexpr std::int64_t MaxMilliseconds = 1'000'000'000'000;
constexpr std::int64_t MaxNodes = INT64_MAX;
constexpr int DeepestSearch = TSearch::MaxPly - 1;

using TLimitReader = std::function<std::string(const std::string& value, TGoRequest& request)>;

std::string RangeProblem(const std::string& name, std::int64_t low, std::int64_t high,
                         const std::string& value)
{
    return name + " wants a number from " + std::to_string(low) + " to " + std::to_string(high) + ", not " +
           Quoted(value);
}

template <typename T>
TLimitReader Reader(const std::string& name, std::int64_t low, std::int64_t high, T TGoRequest::*field)
{
    return [=](const std::string& value, TGoRequest& request) -> std::string {
        const auto number = ReadNumber(value, low, high);
        if (!number)
            return RangeProblem(name, low, high, value);
        request.*field = static_cast<T>(*number);
        return {};
    };
}

// A clock may show a little less than nothing when the interface's answer came late.
TLimitReader ClockReader(const std::string& name, std::optional<milliseconds> TGoRequest::*field)
{
    return [=](const std::string& value, TGoRequest& request) -> std::string {
        const auto number = ReadNumber(value, -MaxMilliseconds, MaxMilliseconds);
        if (!number)
            return RangeProblem(name, -MaxMilliseconds, MaxMilliseconds, value);
        request.*field = milliseconds(std::max<std::int64_t>(0, *number));
        return {};
    };
}

const std::map<std::string, TLimitReader>& LimitReaders()
{
    static const std::map<std::string, TLimitReader> readers = {
        {"movetime", Reader("movetime", 0, MaxMilliseconds, &TGoRequest::moveTime)},
        {"depth", Reader("depth", 1, DeepestSearch, &TGoRequest::depth)},
        {"nodes", Reader("nodes", 1, MaxNodes, &TGoRequest::nodes)},
        {"wtime", ClockReader("wtime", &TGoRequest::whiteTime)},
        {"btime", ClockReader("btime", &TGoRequest::blackTime)},
        {"winc", Reader("winc", 0, MaxMilliseconds, &TGoRequest::whiteIncrement)},
        {"binc", Reader("binc", 0, MaxMilliseconds, &TGoRequest::blackIncrement)},
    };
    return readers;
}

bool NamesALimit(const TGoRequest& request)
{
    return request.moveTime || request.depth || request.nodes || request.whiteTime || request.blackTime;
}

} // namespace

TGoReading ReadGo(const std::vector<std::string>& words)
{
    TGoReading reading;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (words[i] == "infinite") {
            reading.request.infinite = true;
            continue;
        }
        const auto reader = LimitReaders().find(words[i]);
        if (reader == LimitReaders().end()) {
            reading.problem = Quoted(words[i]) + " is no limit (movetime, depth, nodes, wtime, btime, winc, "
                                                 "binc or infinite)";
            return reading;
        }
        if (i + 1 == words.size()) {
            reading.problem = words[i] + " wants a number";
            return reading;
        }
        reading.problem = reader->second(words[++i], reading.request);
        if (!reading.problem.empty())
            return reading;
    }
    if (reading.request.infinite && NamesALimit(reading.request))
        reading.problem = "infinite searches until stop and takes no other limit";
    else if (!NamesALimit(reading.request))
        reading.request.infinite = true;
    return reading;
}

TSearchLimits SearchLimitsFor(const TGoRequest& request, bool whiteToMove, int movesPerTeamTurn)
{
    TSearchLimits limits;
    limits.maxDepth = request.depth.value_or(DeepestSearch);
    limits.maxNodes = request.nodes.value_or(0);
    const std::optional<milliseconds> clock = whiteToMove ? request.whiteTime : request.blackTime;
    std::optional<milliseconds> time = request.moveTime;
    if (clock) {
        const milliseconds share = MoveTimeFor(
            *clock, whiteToMove ? request.whiteIncrement : request.blackIncrement, movesPerTeamTurn);
        time = time ? std::min(*time, share) : share;
    }
    // Zero means no limit to the search, but to `go movetime 0` it means: answer at once.
    if (time)
        limits.moveTime = std::max(*time, milliseconds(1));
    return limits;
}
