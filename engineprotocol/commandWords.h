#pragma once
// The words of a command line and the numbers in them, read strictly: a
// number is a whole decimal within its range, and anything else is refused.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// The words of a line, split at spaces, tabs and carriage returns; empty words are dropped.
std::vector<std::string> SplitWords(std::string_view line);

/// The whole text as a decimal number within [low, high]; nothing for a
/// sign other than a leading minus, trailing characters or a value out of range.
std::optional<std::int64_t> ReadNumber(std::string_view text, std::int64_t low, std::int64_t high);

/// A word as it may appear inside a message: quoted, at most a few dozen
/// characters, bytes that are no printable ASCII shown as '?'.
std::string Quoted(std::string_view word);
