#include "matchReport.h"

#include <array>
#include <cstdio>
#include <functional>
#include <map>

#include "eloEstimate.h"

namespace {

constexpr double PercentPerGame = 100.0;
constexpr double HalfPoint = 0.5;
// Longer than any line or table row printed here.
constexpr std::size_t LineCapacity = 256;

struct TTally {
    int games = 0;
    int won = 0;
    int drawn = 0;
    int lost = 0;

    void Add(const TGameRecord& r)
    {
        ++games;
        won += r.result == TEngineResult::Won ? 1 : 0;
        drawn += r.result == TEngineResult::Drawn ? 1 : 0;
        lost += r.result == TEngineResult::Lost ? 1 : 0;
    }
};

std::string Format(const char* format, auto... values)
{
    std::array<char, LineCapacity> buffer{};
    std::snprintf(buffer.data(), buffer.size(), format, values...);
    return buffer.data();
}

std::string TallyRow(const std::string& name, const TTally& t)
{
    const double score = t.games > 0 ? PercentPerGame * (t.won + HalfPoint * t.drawn) / t.games : 0.0;
    return Format("| %-18s | %5d | %4d | %5d | %4d | %6.1f%% |\n", name.c_str(), t.games, t.won, t.drawn,
                  t.lost, score);
}

std::string TableHead(const std::string& firstColumn)
{
    return Format("| %-18s | Games |  Won | Drawn | Lost |   Score |\n", firstColumn.c_str()) +
           "|--------------------|------:|-----:|------:|-----:|--------:|\n";
}

// A table with one row per key in first-seen order, optionally closed by a total row.
std::string Table(const std::string& firstColumn, const std::vector<TGameRecord>& records,
                  const std::function<std::string(const TGameRecord&)>& keyOf, bool withTotal)
{
    std::vector<std::string> order;
    std::map<std::string, TTally> tallies;
    TTally total;
    for (const TGameRecord& r : records) {
        const std::string key = keyOf(r);
        if (!tallies.contains(key))
            order.push_back(key);
        tallies[key].Add(r);
        total.Add(r);
    }
    std::string text = TableHead(firstColumn);
    for (const std::string& key : order)
        text += TallyRow(key, tallies[key]);
    if (withTotal)
        text += TallyRow("**Total**", total);
    return text;
}

// ", engine options A=1 B=2", or nothing without options.
std::string OptionsText(const std::string& heading, const std::vector<std::string>& settings)
{
    std::string text;
    for (const std::string& setting : settings)
        text += " " + setting;
    return text.empty() ? text : "," + heading + text;
}

} // namespace

std::string HeadingLine(const TMatchOptions& options)
{
    if (options.ProgramsPlay())
        return "veltan_match: engine " + options.enginePath + " against " + options.opponentPath +
               Format(
                   ", games %d, ms-per-move %d, depth %d, nodes %llu, threads %d, seed %llu, opening-moves "
                   "%d, adjudicate-plies %d, row-shift %d, hash %zu MB, search threads %d and %d",
                   options.games, options.msPerMove, options.depth,
                   static_cast<unsigned long long>(options.nodes), options.threads,
                   static_cast<unsigned long long>(options.seed), options.openingMoves,
                   options.adjudicationPlies, options.rowShift, options.hashMegabytes,
                   options.engineSearchThreads, options.opponentSearchThreads) +
               OptionsText(" engine options", options.engineOptions) +
               OptionsText(" opponent options", options.opponentOptions) + "\n";
    return Format("veltan_match: opponent %s, games %d, ms-per-move %d, depth %d, nodes %llu, strength %d, "
                  "threads %d, seed %llu, max-moves %d, row-shift %d, hash %zu MB\n",
                  OpponentName(options.opponent).c_str(), options.games, options.msPerMove, options.depth,
                  static_cast<unsigned long long>(options.nodes), options.strength, options.threads,
                  static_cast<unsigned long long>(options.seed), options.maxMoves, options.rowShift,
                  options.hashMegabytes);
}

std::string ResultName(TEngineResult result)
{
    switch (result) {
    case TEngineResult::Won:
        return "won";
    case TEngineResult::Lost:
        return "lost";
    default:
        return "drawn";
    }
}

std::string ReasonName(TEndReason reason)
{
    switch (reason) {
    case TEndReason::KingsCaptured:
        return "kings captured";
    case TEndReason::CannotMove:
        return "cannot move";
    case TEndReason::Repetition:
        return "repetition";
    case TEndReason::NoMatingMaterial:
        return "no mating material";
    case TEndReason::MoveCap:
        return "move cap";
    case TEndReason::Adjudicated:
        return "adjudicated";
    case TEndReason::EngineFailed:
        return "engine failed";
    default:
        return "no move (fault)";
    }
}

std::string GameLine(const TGameRecord& r)
{
    // A program's failure is told in full on a line of its own.
    const std::string note = r.note.empty() ? "" : "          " + r.note + "\n";
    return note + Format("game %4d  %-13s  %-5s  engine %-5s  %-5s  %-18s  moves %5d  %8.1f s  depth %4.1f\n",
                         r.plan.number, ArrangementName(r.plan.arrangement).c_str(),
                         SettingName(r.plan.setting).c_str(), r.plan.engineWhite ? "White" : "Black",
                         ResultName(r.result).c_str(), ReasonName(r.reason).c_str(), r.moves, r.seconds,
                         r.averageDepth);
}

std::string SummaryTables(const std::vector<TGameRecord>& records)
{
    std::string text = "\n";
    text += Table(
        "Arrangement", records, [](const TGameRecord& r) { return ArrangementName(r.plan.arrangement); },
        true);
    text += "\n";
    text += Table(
        "Turn setting", records, [](const TGameRecord& r) { return SettingName(r.plan.setting); }, false);
    text += "\n";
    text += Table(
        "Engine colour", records,
        [](const TGameRecord& r) { return std::string(r.plan.engineWhite ? "White" : "Black"); }, false);
    text += "\n";
    text += Table(
        "Ended by", records, [](const TGameRecord& r) { return ReasonName(r.reason); }, false);
    if (!records.empty()) {
        TTally total;
        for (const TGameRecord& r : records)
            total.Add(r);
        text +=
            "\nElo difference of the engine: " + EloText(EstimateElo(total.won, total.drawn, total.lost)) +
            "\n";
    }
    return text;
}
