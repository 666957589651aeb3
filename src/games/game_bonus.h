// Bonus (game code 3): Jacks or Better with four of a kind paid by its rank.
#pragma once

#include <vector>

#include "games/game.h"

class CGameBonus : public CGame {
    DECLARE_DYNAMIC(CGameBonus)

public:
    explicit CGameBonus(CHand* pHand);

    int Evaluate(std::string& strName) const override;

    // The paying categories, in pay-table order.
    static const std::vector<CPayLine>& GetPayTable();
};
