#include "engineOptions.h"

#include <algorithm>
#include <cctype>

#include "commandWords.h"

namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

std::size_t IndexOf(const TSpinOption& option)
{
    const auto found = std::find_if(SpinOptions.begin(), SpinOptions.end(),
                                    [&](const TSpinOption& known) { return known.name == option.name; });
    return static_cast<std::size_t>(found - SpinOptions.begin());
}

} // namespace

std::string OptionLine(const TSpinOption& option)
{
    return "option name " + std::string(option.name) + " type spin default " +
           std::to_string(option.defaultValue) + " min " + std::to_string(option.min) + " max " +
           std::to_string(option.max);
}

TOptionSetting ReadSetOption(const std::vector<std::string>& words)
{
    TOptionSetting setting;
    if (words.size() != 4 || words[0] != "name" || words[2] != "value") {
        setting.problem = "is written setoption name <Name> value <V>";
        return setting;
    }
    const auto known = std::find_if(SpinOptions.begin(), SpinOptions.end(), [&](const TSpinOption& option) {
        return SameIgnoringCase(option.name, words[1]);
    });
    if (known == SpinOptions.end()) {
        setting.problem = "there is no option " + Quoted(words[1]);
        return setting;
    }
    const auto value = ReadNumber(words[3], known->min, known->max);
    if (!value) {
        setting.problem = std::string(known->name) + " wants a number from " + std::to_string(known->min) +
                          " to " + std::to_string(known->max) + ", not " + Quoted(words[3]);
        return setting;
    }
    setting.option = &*known;
    setting.value = static_cast<int>(*value);
    return setting;
}

TEngineOptions::TEngineOptions()
{
    for (std::size_t i = 0; i < SpinOptions.size(); ++i)
        values_[i] = SpinOptions[i].defaultValue;
}

int TEngineOptions::Value(const TSpinOption& option) const
{
    return values_.at(IndexOf(option));
}

void TEngineOptions::Set(const TSpinOption& option, int value)
{
    values_.at(IndexOf(option)) = value;
}
