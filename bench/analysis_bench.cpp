// The counting engine: building a family's counts, the best hold of one deal, and the exact
// return of a pay table once the counts exist (alone, and every table of the library together).
#include <benchmark/benchmark.h>

#include <array>
#include <memory>

#include "analysis/card_code.h"
#include "analysis/hand_scorer.h"
#include "analysis/outcome_cache.h"
#include "games/game.h"
#include "games/game_variants.h"
#include "games/pay_table_library.h"
#include "model/card.h"

namespace {

const CPayTable& Jacks96() {
    return FindLibraryPayTable(GetFamily("jacks"), 0, "9/6")->table;
}

// The classifier asked once per kind of hand, the first time a family and rules are counted.
void BM_ScorerOfAFamily(benchmark::State& state) {
    const CFamily& family = Families()[static_cast<std::size_t>(state.range(0))];
    for (auto _ : state) benchmark::DoNotOptimize(CHandScorer(family, kCasinoRules));
}
BENCHMARK(BM_ScorerOfAFamily)
    ->DenseRange(0, static_cast<int>(Families().size()) - 1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The hands holding each kind of set counted per category, once per family and rules and run
// (target, with the scorer above: under 200 ms for any family).
void BM_BuildCounts(benchmark::State& state) {
    const CFamily& family = Families()[static_cast<std::size_t>(state.range(0))];
    std::size_t nBytes = 0;
    for (auto _ : state) {
        const COutcomeTable table(family, kCasinoRules);
        nBytes = table.GetMemoryBytes();
    }
    state.counters["kB"] = static_cast<double>(nBytes) / 1e3;
}
BENCHMARK(BM_BuildCounts)
    ->DenseRange(0, static_cast<int>(Families().size()) - 1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// What Best Hold needs when a hand is dealt: the 32 holds ranked, every draw counted.
void BM_BestHoldOfOneDeal(benchmark::State& state) {
    const auto pCounts = SharedOutcomeTable(GetFamily("jacks"), kCasinoRules);
    const std::array<int, 5> arrDeal = {
        CardCode(SUIT_HEARTS, RANK_JACK), CardCode(SUIT_HEARTS, RANK_QUEEN),
        CardCode(SUIT_HEARTS, RANK_KING), CardCode(SUIT_HEARTS, 10), CardCode(SUIT_CLUBS, 2)};
    for (auto _ : state) benchmark::DoNotOptimize(pCounts->BestHold(arrDeal, Jacks96(), 5));
}
BENCHMARK(BM_BestHoldOfOneDeal)->Unit(benchmark::kMicrosecond);

// The return of one table once its family's counts exist (target: under 30 ms).
void BM_ReturnOfOneTable(benchmark::State& state) {
    const auto pCounts = SharedOutcomeTable(GetFamily("jacks"), kCasinoRules);
    for (auto _ : state) {
        const CGameReturn result = pCounts->ComputeReturn(Jacks96(), 5);
        state.counters["return_percent"] = result.dReturn * 100.0;
    }
}
BENCHMARK(BM_ReturnOfOneTable)->Unit(benchmark::kMillisecond)->UseRealTime();

// Every table of the library at 1 and at 5 coins, counts built (target: under 1 s at 5).
void BM_ReturnsOfTheWholeLibrary(benchmark::State& state) {
    for (const CLibraryPayTable& entry : PayTableLibrary())
        SharedOutcomeTable(entry.table.Family(), entry.table.rules);
    for (auto _ : state) {
        for (const CLibraryPayTable& entry : PayTableLibrary()) {
            const auto pCounts = SharedOutcomeTable(entry.table.Family(), entry.table.rules);
            benchmark::DoNotOptimize(pCounts->ComputeReturn(entry.table, 1));
            benchmark::DoNotOptimize(pCounts->ComputeReturn(entry.table, 5));
        }
    }
    state.counters["tables"] = static_cast<double>(PayTableLibrary().size());
}
BENCHMARK(BM_ReturnsOfTheWholeLibrary)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
