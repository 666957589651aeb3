// The strategy charts of a run: one per pay table (its family, rules and pays) and bet, made
// once, when first asked for, and shared by the coach, its card and handfall-odds.
#pragma once

#include <memory>

#include "strategy/chart_generator.h"
#include "strategy/strategy_chart.h"
#include "work/parallel_for.h"

// The chart, made on the calling thread the first time (with the counts it needs; progress
// told there). Callers with a window call it off the window's thread. Null when the calling
// thread's work is stopped: a stopped chart is never kept.
std::shared_ptr<const CStrategyChart> SharedStrategyChart(
    const CPayTable& table, int nBet, const CProgressFunction& progress = {},
    EChartKind eKind = EChartKind::WithExceptions);
// The chart if it is made already, else null; never waits.
std::shared_ptr<const CStrategyChart> FindStrategyChart(
    const CPayTable& table, int nBet, EChartKind eKind = EChartKind::WithExceptions);
