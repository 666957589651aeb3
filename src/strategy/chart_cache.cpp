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
struct CKeptChart {
    EChartKind eKind;
    std::shared_ptr<const CStrategyChart> pChart;
};

std::vector<CKeptChart>& Charts() {
    static auto* s_pCharts = new std::vector<CKeptChart>;
    return *s_pCharts;
}

std::shared_ptr<const CStrategyChart> FindKept(const CPayTable& table, int nBet, EChartKind eKind) {
    for (const CKeptChart& kept : Charts())
        if (kept.eKind == eKind && kept.pChart->GetBet() == nBet &&
            SamePlay(kept.pChart->GetPayTable(), table))
            return kept.pChart;
    return nullptr;
}

}  // namespace

std::shared_ptr<const CStrategyChart> FindStrategyChart(const CPayTable& table, int nBet,
                                                        EChartKind eKind) {
    std::lock_guard<std::mutex> lock(CacheMutex());
    return FindKept(table, nBet, eKind);
}

// Made outside the lock, so that nobody waits on a chart being stopped; two threads asking at
// once may both make it (a second or two), and the first one kept wins.
std::shared_ptr<const CStrategyChart> SharedStrategyChart(const CPayTable& table, int nBet,
                                                          const CProgressFunction& progress,
                                                          EChartKind eKind) {
    if (auto pChart = FindStrategyChart(table, nBet, eKind)) return pChart;
    std::shared_ptr<const COutcomeTable> pCounts =
        SharedOutcomeTable(table.Family(), table.rules, ScaledProgress(progress, 0, 0.3));
    if (!pCounts) return nullptr;
    std::shared_ptr<const CStrategyChart> pChart =
        GenerateChart(*pCounts, table, nBet, ScaledProgress(progress, 0.3, 1), eKind);
    if (!pChart) return nullptr;
    std::lock_guard<std::mutex> lock(CacheMutex());
    if (auto pKept = FindKept(table, nBet, eKind)) return pKept;
    Charts().push_back({eKind, pChart});
    return pChart;
}
