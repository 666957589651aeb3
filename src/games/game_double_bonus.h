// Double Bonus (game code 4): Bonus with higher pays, and two pairs paying only 1.
#pragma once

#include <vector>

#include "games/game.h"

class CGameDoubleBonus : public CGame {
    DECLARE_DYNAMIC(CGameDoubleBonus)

public:
    explicit CGameDoubleBonus(CHand* pHand);

    int Evaluate(std::string& strName) const override;

    // The paying categories, in pay-table order.
    static const std::vector<CPayLine>& GetPayTable();
};
