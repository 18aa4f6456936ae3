#pragma once
// The engine's options: each declared once with its type, default and range,
// announced by `vep` and changed by `setoption name <Name> value <V>`.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "search.h"

/// A whole-number option.
struct TSpinOption {
    std::string_view name;
    int defaultValue;
    int min;
    int max;
};

/// Search threads sharing one table. One by default, so a search to a fixed
/// depth gives the same answer every time; an interface sets its cores.
inline constexpr TSpinOption ThreadsOption{"Threads", 1, 1, MaxSearchThreads};
/// The transposition table, in megabytes.
inline constexpr TSpinOption HashOption{"Hash", 16, 1, 4096};
/// A strength step of the search, 1 (a beginner) to 8 (the strongest step);
/// 0 is the full search. A step below 8 searches on one thread whatever Threads says.
inline constexpr TSpinOption StrengthOption{"Strength", 0, 0, 8};
inline constexpr std::array<TSpinOption, 3> SpinOptions = {ThreadsOption, HashOption, StrengthOption};

/// The `option name ... type spin default ... min ... max ...` line of an option.
std::string OptionLine(const TSpinOption& option);

/// A `setoption` command read: the option and its new value, or what is wrong.
struct TOptionSetting {
    const TSpinOption* option = nullptr; ///< null when the command is refused
    int value = 0;
    std::string problem;
};

/// Reads the words after "setoption". Names are matched ignoring case, as
/// interfaces may write them either way; the value must be within the range.
TOptionSetting ReadSetOption(const std::vector<std::string>& words);

/// The current values of the options, each starting at its default.
class TEngineOptions {
public:
    TEngineOptions();
    int Value(const TSpinOption& option) const;
    void Set(const TSpinOption& option, int value);

private:
    std::array<int, SpinOptions.size()> values_{};
};
