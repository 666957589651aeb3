// A class that a line loses deals to, placed just above that line with the penalty cards that
// send back the deals it should not take: "1 Deuce: 3 to a Royal Flush, A K, but the deuces
// alone if a card of that suit is discarded". The search orders classes without penalty cards,
// so it leaves such a class below the line when, taken whole, it is worse there.
#pragma once

#include <memory>

#include "analysis/outcome_table.h"
#include "strategy/strategy_chart.h"

// Tries the classes the chart's lines lose most to, at most nTries, each placed above its line
// and given penalty cards within nMaxRows rows; keeps a chart only where its exact cost is
// lower. pChart has been counted. False when stopped.
bool PromoteWithPenaltyCards(std::shared_ptr<CStrategyChart>& pChart, const CHoldPays& pays,
                             int nTries, int nMaxRows);
