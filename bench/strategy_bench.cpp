// Strategy charts: making one for a pay table (its family's counts built first, outside the
// timing), and --chart-holds over every deal in dealt text, as a user pipes them in.
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

#include "analysis/card_code.h"
#include "analysis/outcome_cache.h"
#include "cli/odds_commands.h"
#include "games/pay_table_library.h"
#include "strategy/chart_cache.h"
#include "strategy/chart_generator.h"

namespace {

// The 9/6 table of Jacks or Better, Deuces Wild's full pay, and Double Bonus 10/7, the slowest:
// its chart has more lines than a page takes and is cut down to it.
const CPayTable& BenchTable(int nWhich) {
    switch (nWhich) {
        case 0:
            return FindLibraryPayTable(GetFamily("jacks"), 0, "9/6")->table;
        case 1:
            return FindLibraryPayTable(GetFamily("deuces"), 0, "full-pay")->table;
        default:
            return FindLibraryPayTable(GetFamily("bonus"), 0, "10/7")->table;
    }
}

// The search and the exact count on every deal (target: under 10 s per table and bet).
void BM_GenerateChart(benchmark::State& state) {
    const CPayTable& table = BenchTable(static_cast<int>(state.range(0)));
    const auto pCounts = SharedOutcomeTable(table.Family(), table.rules);
    for (auto _ : state) {
        const auto pChart = GenerateChart(*pCounts, table, 5);
        state.counters["lines"] = static_cast<double>(pChart->GetLines().size());
        state.counters["gap_points"] = pChart->GapPoints();
    }
    state.SetLabel(table.strName);
}
BENCHMARK(BM_GenerateChart)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kSecond)
    ->UseRealTime()
    ->Iterations(1);

// All 2,598,960 deals, one a line, read and answered in memory (target: under 30 s with the
// chart made; it is made before the timing here).
void BM_ChartHoldsOfEveryDeal(benchmark::State& state) {
    std::string strDeals;
    int h[5];
    for (h[4] = 4; h[4] < CARD_CODES; ++h[4])
        for (h[3] = 3; h[3] < h[4]; ++h[3])
            for (h[2] = 2; h[2] < h[3]; ++h[2])
                for (h[1] = 1; h[1] < h[2]; ++h[1])
                    for (h[0] = 0; h[0] < h[1]; ++h[0])
                        for (int i = 0; i < 5; ++i) {
                            strDeals += CardCodeText(h[i]);
                            strDeals += i < 4 ? ' ' : '\n';
                        }
    SharedStrategyChart(BenchTable(0), 5);
    std::size_t nBytesOut = 0;
    for (auto _ : state) {
        std::istringstream in(strDeals);
        std::ostringstream out, err;
        COddsIo io{in, out, err, false};
        benchmark::DoNotOptimize(
            RunOdds({"--chart-holds", "--game", "jacks", "--pays", "9/6"}, io));
        nBytesOut = out.str().size();
    }
    state.counters["MB_out"] = static_cast<double>(nBytesOut) / 1e6;
}
BENCHMARK(BM_ChartHoldsOfEveryDeal)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(1);

}  // namespace
