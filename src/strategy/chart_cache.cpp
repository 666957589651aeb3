#include "strategy/chart_cache.h"

#include <mutex>
#include <vector>

#include "analysis/outcome_cache.h"
#include "strategy/chart_generator.h"

namespace {

std::mutex& CacheMutex() {
    static std::mutex* s_pMutex = new std::mutex;
    return *s_pMutex;
}

// Never destroyed: a worker still making a chart when the process exits finds it whole.
std::vector<std::shared_ptr<const CStrategyChart>>& Charts() {
    static auto* s_pCharts = new std::vector<std::shared_ptr<const CStrategyChart>>;
    return *s_pCharts;
}

}  // namespace

std::shared_ptr<const CStrategyChart> FindStrategyChart(const CPayTable& table, int nBet) {
    std::lock_guard<std::mutex> lock(CacheMutex());
    for (const std::shared_ptr<const CStrategyChart>& pChart : Charts())
        if (pChart->GetBet() == nBet && SamePlay(pChart->GetPayTable(), table)) return pChart;
    return nullptr;
}

// Made outside the lock, so that nobody waits on a chart being stopped; two threads asking at
// once may both make it (a second or two), and the first one kept wins.
std::shared_ptr<const CStrategyChart> SharedStrategyChart(const CPayTable& table, int nBet,
                                                          const CProgressFunction& progress) {
    if (auto pChart = FindStrategyChart(table, nBet)) return pChart;
    std::shared_ptr<const COutcomeTable> pCounts =
        SharedOutcomeTable(table.Family(), table.rules, ScaledProgress(progress, 0, 0.3));
    if (!pCounts) return nullptr;
    std::shared_ptr<const CStrategyChart> pChart =
        GenerateChart(*pCounts, table, nBet, ScaledProgress(progress, 0.3, 1));
    if (!pChart) return nullptr;
    std::lock_guard<std::mutex> lock(CacheMutex());
    for (const std::shared_ptr<const CStrategyChart>& pKept : Charts())
        if (pKept->GetBet() == nBet && SamePlay(pKept->GetPayTable(), table)) return pKept;
    Charts().push_back(pChart);
    return pChart;
}
