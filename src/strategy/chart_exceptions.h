// Penalty cards: exceptions under a chart's lines that send a hold on to the next line where a
// discarded card spoils it ("but not with a 10 of that suit discarded").
#pragma once

#include "analysis/outcome_table.h"
#include "strategy/strategy_chart.h"

// Adds exceptions while they gain, one per line at a time, at most nSubLines sub-lines in all
// (one line's exceptions of one kind share a sub-line, their ranks listed). Gains are counted
// on one deal of each class of deals equal up to suits; the caller counts the chart's cost
// exactly afterwards. False when stopped.
bool AddChartExceptions(CStrategyChart& chart, const CHoldPays& pays, int nSubLines);

// dPoints percentage points of return in the units gains and losses are summed in over the
// deck's deals: expected pay per coin times the draw LCM, weighted by deals.
std::int64_t PointsInSums(const COutcomeTable& counts, double dPoints);
