// A plain reading of five cards, written apart from the games and the engine so that a fault in
// either shows as a disagreement with it. Cards are the engine's codes, nothing more: rank
// code / 4 + 2 (ace 14), suit code % 4.
#pragma once

#include <functional>
#include <string>

// The pay per coin bet of five different codes in any order.
using COraclePay = std::function<int(const int* pCodes)>;

// The game of the key ("jacks", "bonus", "double-bonus", "deuces") as built: a royal flush pays
// 250 and A-2-3-4-5 is no straight. bCasino: its full-pay table (Jacks or Better 9/6, Bonus 8/5,
// Double Bonus 10/7, full-pay Deuces Wild) at five coins: the royal pays 800 and A-2-3-4-5 is a
// straight.
COraclePay OraclePay(const std::string& strGame, bool bCasino);
