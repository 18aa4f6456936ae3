#include "matchRunner.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>

#include "programGame.h"

std::vector<TGameRecord> RunMatch(const TMatchOptions& options, const TGameFinished& onFinished)
{
    std::vector<TGameRecord> records(static_cast<std::size_t>(options.games));
    std::atomic<int> next{0};
    std::mutex reporting;
    const auto worker = [&] {
        // Each thread talks to programs of its own, kept from game to game.
        TProgramPair programs;
        for (int index = next++; index < options.games; index = next++) {
            const TGamePlan plan = PlanGame(index, options.rowShift);
            const TGameRecord record =
                options.ProgramsPlay() ? PlayProgramGame(plan, options, programs) : PlayGame(plan, options);
            const std::lock_guard lock(reporting);
            records[static_cast<std::size_t>(index)] = record;
            if (onFinished)
                onFinished(record);
        }
    };
    {
        std::vector<std::jthread> threads;
        const int count = std::min(options.threads, options.games);
        for (int i = 0; i < count; ++i)
            threads.emplace_back(worker);
    }
    return records;
}
