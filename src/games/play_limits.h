// The play limits, which the table, the pay tables and handfall-odds all keep to.
#pragma once

#include <climits>

// Coins bet per hand; a pay table has a column for each.
constexpr int MIN_BET = 1;
constexpr int MAX_BET = 5;
// Hands in play at once.
constexpr int MIN_HANDS = 1;
constexpr int MAX_HANDS = 50;

// The balance after a settlement: it stops at the largest int rather than wrapping to a debt.
constexpr int CoinsAfterWin(int nCoins, int nWon) {
    return nWon > INT_MAX - nCoins ? INT_MAX : nCoins + nWon;
}
