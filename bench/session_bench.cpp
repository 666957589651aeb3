// What a table does over time: its variance and the covariance of hands of one deal, the
// royal's break-even pay, and sessions of rounds drawn from the exact round (target: a session
// of 1,000 rounds of 50 hands, round model included, under 2 s).
#include <benchmark/benchmark.h>

#include "analysis/break_even.h"
#include "analysis/outcome_cache.h"
#include "analysis/play_figures.h"
#include "analysis/session_outcomes.h"
#include "games/pay_table_library.h"

namespace {

const CPayTable& Table(const char* pszFamily, const char* pszName) {
    return FindLibraryPayTable(GetFamily(pszFamily), 0, pszName)->table;
}

const COutcomeTable& Counts(const CPayTable& table) {
    return *SharedOutcomeTable(table.Family(), table.rules);
}

void BM_PlayFigures(benchmark::State& state) {
    const CPayTable& table = Table("jacks", "9/6");
    for (auto _ : state) benchmark::DoNotOptimize(ComputePlayFigures(Counts(table), table, 5));
}
BENCHMARK(BM_PlayFigures)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_BreakEven(benchmark::State& state) {
    const CPayTable& table = Table("jacks", "8/5");
    for (auto _ : state) benchmark::DoNotOptimize(BreakEvenRoyalPay(Counts(table), table, 5));
}
BENCHMARK(BM_BreakEven)->Unit(benchmark::kMillisecond)->UseRealTime();

// The exact round: the played hold of every class of deals counted and grouped.
void BM_RoundModel(benchmark::State& state) {
    const CPayTable& table = state.range(0) == 0 ? Table("jacks", "9/6") : Table("joker", "20/7");
    std::size_t nEndings = 0;
    for (auto _ : state) nEndings = CRoundModel(Counts(table), table, 5).GetOutcomes().size();
    state.counters["endings"] = static_cast<double>(nEndings);
}
BENCHMARK(BM_RoundModel)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// What handfall-odds --session and the Bankroll window do once the counts exist.
void BM_Session(benchmark::State& state) {
    const CPayTable& table = Table("double-double-bonus", "9/6");
    CSessionPlan plan;
    plan.nBankroll = 10000;
    plan.nHands = static_cast<int>(state.range(0));
    plan.nRounds = static_cast<int>(state.range(1));
    int nSessions = 0;
    for (auto _ : state) {
        const CRoundModel model(Counts(table), table, plan.nBet);
        nSessions = PlaySessions(model, plan).nSessions;
    }
    state.counters["sessions"] = nSessions;
}
BENCHMARK(BM_Session)
    ->Args({50, 1000})
    ->Args({5, 100})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
