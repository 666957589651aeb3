// Bonus (game code 3): Jacks or Better with four of a kind paid by its rank.
#pragma once

#include "games/game.h"

class CGameBonus : public CGame {
    DECLARE_DYNAMIC(CGameBonus)

public:
    // Pay-table order; the last line is the losing hand, which the pay table does not list.
    static constexpr CPayLine kLines[] = {
        {"Royal Flush", 250},
        {"Straight Flush", 50},
        {"4 Aces", 80},
        {"4 of a Kind (2,3,4)", 40},
        {"4 of a Kind (5-K)", 25},
        {"Full House", 8},
        {"Flush", 5},
        {"Straight", 4},
        {"3 of a Kind", 3},
        {"2 Pair", 2},
        {"Pair", 1},
        {"", 0},
    };

    explicit CGameBonus(CHand* pHand);

    int Evaluate(std::string& strName) const override;
};
