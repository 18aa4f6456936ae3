// The search tells of each completed iteration through its progress report;
// the protocol passes that on. A program built on a search without such a
// report puts its own Find in place of this file.

#include "engineOptions.h"
#include "engineSearch.h"
#include "searchStrength.h"

static_assert(StrengthOption.max == StrengthSteps, "the option offers every step of the search");

TEngineMove TEngineSearch::Find(const TSearchLimits& limits, const std::atomic<bool>& stop,
                                const TIterationListener& listener)
{
    if (listener) {
        search_->SetProgressReport([&listener](const TSearchProgress& progress) {
            listener({progress.depth, ProtocolScore(progress.score, WinBound), progress.nodes,
                      progress.elapsed, progress.line});
        });
    } else {
        search_->SetProgressReport({});
    }
    TSearchLimits stepped = limits;
    stepped.strength = strength_;
    return search_->FindMove(stepped, stop);
}
