// The play limits, which the table, the pay tables and handfall-odds all keep to.
#pragma once

// Coins bet per hand; a pay table has a column for each.
constexpr int MIN_BET = 1;
constexpr int MAX_BET = 5;
// Hands in play at once.
constexpr int MIN_HANDS = 1;
constexpr int MAX_HANDS = 50;
