// Plays the computer player against a simple opponent over many games on the
// real board and prints each game and the totals.

#include <chrono>
#include <iostream>
#include <string>
#include <vector>

#include "matchOptions.h"
#include "matchReport.h"
#include "matchRunner.h"

int main(int argc, char** argv)
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const TParsedCommandLine parsed = ParseCommandLine(arguments);
    if (parsed.helpWanted) {
        std::cout << UsageText();
        return 0;
    }
    if (!parsed.options) {
        std::cerr << "veltan_match: " << parsed.error << "\n" << UsageText();
        return 2;
    }
    const TMatchOptions& options = *parsed.options;

    const auto start = std::chrono::steady_clock::now();
    std::cout << HeadingLine(options) << std::flush;
    const std::vector<TGameRecord> records =
        RunMatch(options, [](const TGameRecord& record) { std::cout << GameLine(record) << std::flush; });
    std::cout << SummaryTables(records);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::cout << "\nwall time " << seconds << " s\n";
    return 0;
}
