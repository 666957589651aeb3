// Double Bonus (game code 4): Bonus with higher pays, and two pairs paying only 1.
#pragma once

#include "games/game.h"

class CGameDoubleBonus : public CGame {
    DECLARE_DYNAMIC(CGameDoubleBonus)

public:
    // Pay-table order; the last line is the losing hand, which the pay table does not list.
    static constexpr CPayLine kLines[] = {
        {"Royal Flush", 250},
        {"Straight Flush", 50},
        {"4 Aces", 160},
        {"4 of a Kind (2,3,4)", 80},
        {"4 of a Kind (5-K)", 50},
        {"Full House", 10},
        {"Flush", 7},
        {"Straight", 5},
        {"3 of a Kind", 3},
        {"2 Pair", 1},
        {"Pair", 1},
        {"", 0},
    };

    explicit CGameDoubleBonus(CHand* pHand);

    int Evaluate(std::string& strName) const override;
};
