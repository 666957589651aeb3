// Building an analyzer scores all 2,598,960 hands, so each table the tests use is built once
// per test program and shared.
#pragma once

#include "analysis/hold_analyzer.h"

const CHoldAnalyzer& GameAnalyzer(int nGame);
const CHoldAnalyzer& StandardJacksOrBetterAnalyzer();
const CHoldAnalyzer& StandardDeucesWildAnalyzer();
const CHoldAnalyzer& StandardBonusAnalyzer();
const CHoldAnalyzer& StandardDoubleBonusAnalyzer();
// Pays 1 for any hand holding an ace: small enough to count holds and the return by hand.
const CHoldAnalyzer& AnyAceAnalyzer();
