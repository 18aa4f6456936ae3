#include "engineOutput.h"

#include "moveText.h"

namespace {

constexpr std::uint64_t MillisecondsPerSecond = 1000;

std::string ScoreText(const TProtocolScore& score)
{
    switch (score.kind) {
    case TProtocolScore::TKind::Win:
        return "win " + std::to_string(score.value);
    case TProtocolScore::TKind::Loss:
        return "loss " + std::to_string(score.value);
    default:
        return "cp " + std::to_string(score.value);
    }
}

} // namespace

std::string InfoLine(const TIterationReport& report)
{
    const auto milliseconds = static_cast<std::uint64_t>(report.elapsed.count());
    // Below a millisecond the rate is unknown; the nodes stand for it.
    const std::uint64_t rate =
        milliseconds > 0 ? report.nodes * MillisecondsPerSecond / milliseconds : report.nodes;
    std::string line = "info depth " + std::to_string(report.depth) + " score " + ScoreText(report.score) +
                       " nodes " + std::to_string(report.nodes) + " nps " + std::to_string(rate) + " time " +
                       std::to_string(milliseconds) + " pv";
    for (const auto& [from, to] : report.line)
        line += " " + MoveText(from, to);
    return line;
}

std::string BestMoveLine(const TEngineMove& move)
{
    return "bestmove " + (move.from == SqrNone ? std::string("none") : MoveText(move.from, move.to));
}
