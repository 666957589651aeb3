// Building an analyzer scores all 2,598,960 hands, so each table the tests use is built once
// per test program and shared.
#pragma once

#include "analysis/hold_analyzer.h"

// The variant of a game code, paid as the game pays.
const CHoldAnalyzer& GameAnalyzer(int nGame);
// The full-pay table of the variant whose return is published (Jacks or Better 9/6, Bonus 8/5,
// Double Bonus 10/7, full-pay Deuces Wild): a natural royal flush pays 800 per coin and
// A-2-3-4-5 is a straight, unlike the game; every other pay is the game's.
const CHoldAnalyzer& StandardAnalyzer(int nGame);
// Pays 1 for any hand holding an ace: small enough to count holds and the return by hand.
const CHoldAnalyzer& AnyAceAnalyzer();
