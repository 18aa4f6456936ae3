// Plays the computer player against a simple opponent, or two engine programs
// against each other, over many games on the real board and prints each game
// and the totals.

#include <chrono>
#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "matchOptions.h"
#include "matchReport.h"
#include "matchRunner.h"
#include "protocolEngine.h"

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
    // An engine program that ends while it is written to must cost its game, not the match.
    std::signal(SIGPIPE, SIG_IGN);

    const auto start = std::chrono::steady_clock::now();
    std::cout << HeadingLine(options) << std::flush;
    if (options.ProgramsPlay()) {
        // A program that cannot even start would lose every game; better said once, before any.
        struct TSide {
            const std::string& path;
            int threads;
            const std::vector<std::string>& settings;
        };
        for (const TSide& side :
             {TSide{options.enginePath, options.engineSearchThreads, options.engineOptions},
              TSide{options.opponentPath, options.opponentSearchThreads, options.opponentOptions}}) {
            const std::string& path = side.path;
            std::string problem;
            const auto program =
                TProtocolEngine::Start(path, options.hashMegabytes, side.threads, side.settings, problem);
            if (program == nullptr) {
                std::cerr << "veltan_match: " << problem << "\n";
                return 1;
            }
            std::cout << path << " is " << program->Name() << "\n";
        }
    }
    const std::vector<TGameRecord> records =
        RunMatch(options, [](const TGameRecord& record) { std::cout << GameLine(record) << std::flush; });
    std::cout << SummaryTables(records);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::cout << "\nwall time " << seconds << " s\n";
    return 0;
}
