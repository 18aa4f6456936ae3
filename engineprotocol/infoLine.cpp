#include "infoLine.h"

#include <cstdint>
#include <string>
#include <vector>

#include "commandWords.h"
#include "moveText.h"

namespace {

// Deeper than any search reports; a larger number is no depth.
constexpr std::int64_t DeepestReport = 10'000;

} // namespace

std::optional<TInfoLine> ReadInfoLine(std::string_view line)
{
    const std::vector<std::string> words = SplitWords(line);
    // `info string` carries free text, in which any word may stand.
    if (words.size() < 2 || words[0] != "info" || words[1] == "string")
        return std::nullopt;
    std::optional<std::int64_t> depth;
    std::optional<TProtocolMove> first;
    // The fields may come in any order and an engine may add its own: the
    // word after `depth` and the one after `pv` are read, and must be sound.
    for (std::size_t i = 1; i + 1 < words.size(); ++i) {
        if (words[i] == "depth" && !depth) {
            depth = ReadNumber(words[i + 1], 1, DeepestReport);
            if (!depth)
                return std::nullopt;
        } else if (words[i] == "pv" && !first) {
            first = ReadMoveText(words[i + 1]);
            if (!first)
                return std::nullopt;
        }
    }
    if (!depth || !first)
        return std::nullopt;
    return TInfoLine{static_cast<int>(*depth), first->from, first->to};
}
