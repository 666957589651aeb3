// Jacks or Better (game code 2): no wild cards, a pair pays from jacks up.
#pragma once

#include <vector>

#include "games/game.h"

class CGameJackOrBetter : public CGame {
    DECLARE_DYNAMIC(CGameJackOrBetter)

public:
    explicit CGameJackOrBetter(CHand* pHand);

    int Evaluate(std::string& strName) const override;

    // The paying categories, in pay-table order.
    static const std::vector<CPayLine>& GetPayTable();
};
