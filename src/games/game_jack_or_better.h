// Jacks or Better (game code 2): no wild cards, a pair pays from jacks up.
#pragma once

#include "games/game.h"

class CGameJackOrBetter : public CGame {
    DECLARE_DYNAMIC(CGameJackOrBetter)

public:
    // Pay-table order; the last line is the losing hand, which the pay table does not list.
    static constexpr CPayLine kLines[] = {
        {"Royal Flush", 250}, {"Straight Flush", 50},
        {"4 of a Kind", 25},  {"Full House", 9},
        {"Flush", 6},         {"Straight", 4},
        {"3 of a Kind", 3},   {"2 Pair", 2},
        {"Pair", 1},          {"", 0},
    };

    explicit CGameJackOrBetter(CHand* pHand);

    int Evaluate(std::string& strName) const override;
};
