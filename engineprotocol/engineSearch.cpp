#include "engineSearch.h"

namespace {

TProtocolScore ProtocolScore(int score)
{
    if (score > WinBound)
        return {TProtocolScore::TKind::Win, WinScore - score};
    if (score < -WinBound)
        return {TProtocolScore::TKind::Loss, WinScore + score};
    return {TProtocolScore::TKind::Centipawns, score};
}

} // namespace

TEngineSearch::TEngineSearch(const TVeltanBrdKernel& game, std::size_t hashMegabytes)
    : search_(std::make_unique<TSearch>(engine::TEngineGame(game), hashMegabytes))
{
}

TEngineSearch::~TEngineSearch() = default;

void TEngineSearch::SetGame(const TVeltanBrdKernel& game, bool keepLearnt)
{
    search_->Reset(engine::TEngineGame(game), keepLearnt);
}

TEngineMove TEngineSearch::Find(const TSearchLimits& limits, const std::atomic<bool>& stop,
                                const TIterationListener& listener)
{
    if (listener) {
        search_->SetProgressReport([&listener](const TSearchProgress& progress) {
            listener({progress.depth, ProtocolScore(progress.score), progress.nodes, progress.elapsed,
                      progress.line});
        });
    } else {
        search_->SetProgressReport({});
    }
    return search_->FindMove(limits, stop);
}
