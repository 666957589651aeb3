// The strategy layer: building a variant's tables, the best hold of one deal, and the exact
// return of a variant.
#include <benchmark/benchmark.h>

#include <array>
#include <memory>

#include "analysis/card_code.h"
#include "analysis/hold_analyzer.h"
#include "games/game.h"
#include "model/card.h"

namespace {

const CHoldAnalyzer& JacksOrBetter() {
    static const CHoldAnalyzer analyzer(GAME_JACKS_OR_BETTER);
    return analyzer;
}

// Scores all 2,598,960 hands with the variant's own game objects: once per variant and run.
void BM_BuildTables(benchmark::State& state) {
    for (auto _ : state) {
        const CHoldAnalyzer analyzer(static_cast<int>(state.range(0)));
        benchmark::DoNotOptimize(&analyzer);
    }
}
BENCHMARK(BM_BuildTables)
    ->Arg(GAME_JACKS_OR_BETTER)
    ->Arg(GAME_DUCES_WILD)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// What the table needs when a hand is dealt: the best of the 32 holds, every draw counted.
void BM_BestHoldOfOneDeal(benchmark::State& state) {
    const CHoldAnalyzer& analyzer = JacksOrBetter();
    const std::array<int, 5> arrDeal = {
        CardCode(SUIT_HEARTS, RANK_JACK), CardCode(SUIT_HEARTS, RANK_QUEEN),
        CardCode(SUIT_HEARTS, RANK_KING), CardCode(SUIT_HEARTS, 10), CardCode(SUIT_CLUBS, 2)};
    for (auto _ : state) benchmark::DoNotOptimize(analyzer.BestHold(arrDeal));
}
BENCHMARK(BM_BestHoldOfOneDeal)->Unit(benchmark::kMicrosecond);

// All 32 holds ranked, as handfall-odds lists them.
void BM_AnalyzeOneDeal(benchmark::State& state) {
    const CHoldAnalyzer& analyzer = JacksOrBetter();
    const std::array<int, 5> arrDeal = {CardCode(SUIT_SPADES, 9), CardCode(SUIT_DIAMONDS, 9),
                                        CardCode(SUIT_CLUBS, 2), CardCode(SUIT_HEARTS, 9),
                                        CardCode(SUIT_SPADES, 5)};
    for (auto _ : state) benchmark::DoNotOptimize(analyzer.AnalyzeDeal(arrDeal));
}
BENCHMARK(BM_AnalyzeOneDeal)->Unit(benchmark::kMicrosecond);

// The best hold of every deal, tables already built.
void BM_ReturnFromBuiltTables(benchmark::State& state) {
    const CHoldAnalyzer& analyzer = JacksOrBetter();
    for (auto _ : state) benchmark::DoNotOptimize(analyzer.ComputeReturn());
}
BENCHMARK(BM_ReturnFromBuiltTables)->Unit(benchmark::kMillisecond)->UseRealTime();

// The whole exact return of a variant from nothing: tables, then every deal.
void BM_ExactReturnOfOneVariant(benchmark::State& state) {
    for (auto _ : state) {
        const CHoldAnalyzer analyzer(static_cast<int>(state.range(0)));
        const CGameReturn result = analyzer.ComputeReturn();
        state.counters["return_percent"] = result.dReturn * 100.0;
    }
}
BENCHMARK(BM_ExactReturnOfOneVariant)
    ->Arg(GAME_DUCES_WILD)
    ->Arg(GAME_JACKS_OR_BETTER)
    ->Arg(GAME_BONUS)
    ->Arg(GAME_DOUBLE_BONUS)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

}  // namespace
