// Double Bonus (game code 4): Bonus with higher pays, and two pairs paying only 1.
#pragma once

#include "games/game.h"

class CGameDoubleBonus : public CGame {
    DECLARE_DYNAMIC(CGameDoubleBonus)

public:
    // CreateGame gives the game's own table as built where none is asked for.
    CGameDoubleBonus(CHand* pHand, const CPayTable& table, int nBet = MIN_BET);

    int Evaluate(std::string& strName) const override;
};
