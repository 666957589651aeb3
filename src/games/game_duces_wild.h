// Deuces Wild (game code 1): every 2 is wild; three of a kind is the lowest paying hand.
#pragma once

#include <iterator>

#include "games/game.h"

class CGameDucesWild : public CGame {
    DECLARE_DYNAMIC(CGameDucesWild)

public:
    enum ELine {
        ROYAL_FLUSH,
        FOUR_WILD,
        ROYAL_FLUSH_WILD,
        FIVE,
        STRAIGHT_FLUSH,
        FOUR,
        FULL_HOUSE,
        FLUSH,
        STRAIGHT,
        THREE,
        NOTHING
    };
    // Pay-table order; the last line is the losing hand, which the pay table does not list.
    static constexpr CPayLine kLines[] = {
        {"Royal Flush", 250},
        {"4 Wild", 200},
        {"Royal Flush w/2's", 25},
        {"5 of a Kind", 15},
        {"Straight Flush", 9},
        {"4 of a Kind", 5},
        {"Full House", 3},
        {"Flush", 2},
        {"Straight", 2},
        {"3 of a Kind", 1},
        {"", 0},
    };
    static_assert(std::size(kLines) == NOTHING + 1);

    explicit CGameDucesWild(CHand* pHand);

    int Evaluate(std::string& strName) const override;

private:
    // The first line, in pay-table order, that the counted hand makes.
    static ELine Classify(const CCounts& counts);
};
