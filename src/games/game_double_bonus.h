// Double Bonus (game code 4): Bonus with higher pays, and two pairs paying only 1.
#pragma once

#include "games/game.h"

class CGameDoubleBonus : public CGame {
    DECLARE_DYNAMIC(CGameDoubleBonus)

public:
    // Without a pay table, the game's own as built.
    explicit CGameDoubleBonus(CHand* pHand, const CPayTable* pTable = nullptr, int nBet = MIN_BET);

    int Evaluate(std::string& strName) const override;
};
