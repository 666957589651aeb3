// Strategy charts: making one for a pay table (its family's counts built first, outside the
// timing), and --chart-holds over every deal in dealt text, as a user pipes them in.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <sstream>
#include <string>

#include "analysis/card_code.h"
#include "analysis/outcome_cache.h"
#include "cli/odds_commands.h"
#include "games/game_variants.h"
#include "games/pay_table_library.h"
#include "strategy/chart_cache.h"
#include "strategy/chart_generator.h"

namespace {

// The 9/6 table of Jacks or Better, Deuces Wild's full pay, Double Bonus 10/7 (its chart has more
// lines than a page takes and is cut down to it) and Joker Poker Kings 20/7, of 53 cards.
const CPayTable& BenchTable(int nWhich) {
    switch (nWhich) {
        case 0:
            return FindLibraryPayTable(GetFamily("jacks"), 0, "9/6")->table;
        case 1:
            return FindLibraryPayTable(GetFamily("deuces"), 0, "full-pay")->table;
        case 3:
            return FindLibraryPayTable(GetFamily("joker"), 0, "20/7")->table;
        default:
            return FindLibraryPayTable(GetFamily("bonus"), 0, "10/7")->table;
    }
}

// The search, the penalty cards and the exact count on every deal (target: under 1 s per table
// and bet).
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
    ->Arg(3)
    ->Unit(benchmark::kSecond)
    ->UseRealTime()
    ->Iterations(1);

// Every deal of the deck (2,598,960, or 2,869,685 with the joker), one a line, read and answered
// in memory (target: under 3 s with the chart made; it is made before the timing here).
void BM_ChartHoldsOfEveryDeal(benchmark::State& state) {
    const CPayTable& table = BenchTable(static_cast<int>(state.range(0)));
    const int nCards = table.Family().nCards;
    std::string strDeals;
    int h[5];
    for (h[4] = 4; h[4] < nCards; ++h[4])
        for (h[3] = 3; h[3] < h[4]; ++h[3])
            for (h[2] = 2; h[2] < h[3]; ++h[2])
                for (h[1] = 1; h[1] < h[2]; ++h[1])
                    for (h[0] = 0; h[0] < h[1]; ++h[0])
                        for (int i = 0; i < 5; ++i) {
                            strDeals += CardCodeText(h[i]);
                            strDeals += i < 4 ? ' ' : '\n';
                        }
    SharedStrategyChart(table, 5);
    const std::string strPays =
        state.range(0) == 0 ? "9/6" : table.strName.substr(table.strName.rfind(' ') + 1);
    std::size_t nBytesOut = 0;
    for (auto _ : state) {
        std::istringstream in(strDeals);
        std::ostringstream out, err;
        COddsIo io{in, out, err, false};
        benchmark::DoNotOptimize(
            RunOdds({"--chart-holds", "--game", table.Family().pszKey, "--pays", strPays}, io));
        nBytesOut = out.str().size();
    }
    state.counters["MB_out"] = static_cast<double>(nBytesOut) / 1e6;
    state.SetLabel(table.strName);
}
BENCHMARK(BM_ChartHoldsOfEveryDeal)
    ->Arg(0)
    ->Arg(3)
    ->Unit(benchmark::kSecond)
    ->UseRealTime()
    ->Iterations(1);

}  // namespace

// Every library table and the four as built at 5 coins: lines, rows (lines and penalty cards),
// the chart's return, the best return, the gap and the time to make the chart (counts made
// before the timing).
void BM_EveryTableChart(benchmark::State& state) {
    std::vector<const CPayTable*> vecTables;
    for (int nGame = 1; nGame <= 4; ++nGame) vecTables.push_back(&AsBuiltPayTable(nGame));
    for (const CLibraryPayTable& entry : PayTableLibrary()) vecTables.push_back(&entry.table);
    for (auto _ : state) {
        std::printf("%-32s %5s %4s %11s %11s %9s %7s\n", "table", "lines", "rows", "chart %",
                    "best %", "gap", "s");
        double dWorst = 0, dSlowest = 0;
        for (const CPayTable* pTable : vecTables) {
            const auto pCounts = SharedOutcomeTable(pTable->Family(), pTable->rules);
            const auto start = std::chrono::steady_clock::now();
            const auto pChart = GenerateChart(*pCounts, *pTable, 5);
            const double dSeconds =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            std::printf("%-32s %5zu %4d %11.6f %11.6f %9.6f %7.3f\n", pTable->strName.c_str(),
                        pChart->GetLines().size(), pChart->GetRowCount(),
                        100 * pChart->GetReturn().dReturn, 100 * pChart->GetOptimalReturn().dReturn,
                        pChart->GapPoints(), dSeconds);
            dWorst = std::max(dWorst, pChart->GapPoints());
            dSlowest = std::max(dSlowest, dSeconds);
        }
        state.counters["worst_gap_points"] = dWorst;
        state.counters["slowest_s"] = dSlowest;
    }
}
BENCHMARK(BM_EveryTableChart)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(1);
