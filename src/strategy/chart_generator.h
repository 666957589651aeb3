// Makes the strategy chart of a pay table at a bet: the order of hold classes that plays it
// best, found on one deal of each class of deals equal up to suits, then counted exactly on
// every deal. About a second on every core, so callers with a window run it off its thread.
#pragma once

#include <memory>

#include "analysis/outcome_table.h"
#include "strategy/strategy_chart.h"
#include "work/parallel_for.h"

// The most lines a chart has: a page a player can carry.
constexpr int MAX_CHART_LINES = 50;

// Whether a chart's lines may carry penalty-card exceptions, or the simpler card without.
enum class EChartKind { WithExceptions, Simple };

// The table must fit counts. Null when the calling thread's work is stopped. Lines and
// sub-lines together are at most MAX_CHART_LINES.
std::shared_ptr<const CStrategyChart> GenerateChart(const COutcomeTable& counts,
                                                    const CPayTable& table, int nBet,
                                                    const CProgressFunction& progress = {},
                                                    EChartKind eKind = EChartKind::WithExceptions);
