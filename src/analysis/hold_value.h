// What a hold of a deal is worth, exactly: every possible draw from the 47 unseen cards is
// counted, none sampled.
#pragma once

#include <cstdint>
#include <numeric>

#include "analysis/card_code.h"

// The cards a hold draws from: the 47 that were not dealt (48 with the joker in the deck).
constexpr int UNSEEN_CARDS = CARD_CODES - 5;

// The least common multiple of the draw counts C(nUnseen, 0) to C(nUnseen, 5): every hold's
// expected pay times it is a whole number, so expected pays add up exactly.
constexpr std::int64_t DrawLcm(int nUnseen) {
    std::int64_t nLcm = 1;
    for (int k = 0; k <= 5; ++k) nLcm = std::lcm(nLcm, Binomial(nUnseen, k));
    return nLcm;
}
constexpr std::int64_t kDrawLcm = DrawLcm(UNSEEN_CARDS);
// Both decks' draw counts divide it, so figures of 52- and 53-card tables add up in it (a
// session that plays both): 48 times kDrawLcm.
constexpr std::int64_t kAnyDeckDrawLcm = std::lcm(kDrawLcm, DrawLcm(UNSEEN_CARDS + 1));

struct CHoldValue {
    int nHoldMask = 0;          // bit i set: the card at position i of the deal is kept
    int nHeld = 0;              // cards kept, 0 to 5
    std::int64_t nPaySum = 0;   // pays of every possible draw added up
    std::int64_t nDraws = 0;    // equally likely draws: C(47, 5 - nHeld)
    double dExpectedPay = 0.0;  // nPaySum / nDraws, coins per coin bet
};

// The order holds are ranked in: the higher expected pay (compared exactly) first; at equal
// pay the hold keeping more cards, then the one keeping the leftmost cards (positions compared
// from the left). Equal pays come from deals where two holds are the same up to suits, so any
// fixed choice will do; this one keeps the ranking the same on every run.
bool IsBetterHold(const CHoldValue& a, const CHoldValue& b);

struct CGameReturn {
    // Expected pay per coin bet, played with the best hold on every deal: nNumerator over
    // nDenominator exactly, and dReturn as a number (0.995439 for a 99.5439 % game).
    std::int64_t nNumerator = 0;
    std::int64_t nDenominator = 1;
    double dReturn = 0.0;
};
