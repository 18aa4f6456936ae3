// The parts of the protocol's search that any search with FindMove and Reset
// has; how it reports its iterations is in iterationReports.cpp.

#include "engineSearch.h"

TProtocolScore ProtocolScore(int score, int forcedResultBound)
{
    if (score > forcedResultBound)
        return {TProtocolScore::TKind::Win, WinScore - score};
    if (score < -forcedResultBound)
        return {TProtocolScore::TKind::Loss, WinScore + score};
    return {TProtocolScore::TKind::Centipawns, score};
}

TEngineSearch::TEngineSearch(const TVeltanBrdKernel& game, std::size_t hashMegabytes)
    : search_(std::make_unique<TSearch>(engine::TEngineGame(game), hashMegabytes))
{
}

TEngineSearch::~TEngineSearch() = default;

void TEngineSearch::SetGame(const TVeltanBrdKernel& game, bool keepLearnt)
{
    search_->Reset(engine::TEngineGame(game), keepLearnt);
}
