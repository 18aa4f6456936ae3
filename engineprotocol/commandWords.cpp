// Splitting and number reading for the protocol's commands. Lines come from
// another program and may hold anything, so every word is treated as bytes.

#include "commandWords.h"

#include <charconv>

namespace {

// Long enough to recognise any word the protocol knows, short enough that a
// message about a huge word stays one readable line.
constexpr std::size_t QuotedLength = 40;

bool IsSeparator(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

} // namespace

std::vector<std::string> SplitWords(std::string_view line)
{
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && IsSeparator(line[i]))
            ++i;
        const std::size_t start = i;
        while (i < line.size() && !IsSeparator(line[i]))
            ++i;
        if (i > start)
            words.emplace_back(line.substr(start, i - start));
    }
    return words;
}

std::optional<std::int64_t> ReadNumber(std::string_view text, std::int64_t low, std::int64_t high)
{
    std::int64_t value = 0;
    const char* const end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc{} || stop != end || value < low || value > high)
        return std::nullopt;
    return value;
}

std::string Quoted(std::string_view word)
{
    std::string text = "'";
    for (std::size_t i = 0; i < word.size() && i < QuotedLength; ++i) {
        const char c = word[i];
        text += (c >= ' ' && c <= '~') ? c : '?';
    }
    if (word.size() > QuotedLength)
        text += "...";
    return text + "'";
}
